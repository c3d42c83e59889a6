// VexlorEXP: the call-out program, on the machine's own services.
#include <QApplication>
#include <QWidget>
#include <stdlib.h>

#include <cstdlib>
#include <string>

#include "callout/callout_tick.h"
#include "callout/frm_exp.h"
#include "composition/ending_signals.h"
#include "composition/system_services.h"
#include "composition/system_sound.h"
#include "platform/instance_lock.h"
#include "state/exp_context.h"
#include "ui/program_loop.h"
#include "ui/fonts.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_popup_menus.h"

using namespace vx;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The style whose frames and margins the forms' texts are measured against, on every
  // desktop; message boxes and dialogs draw in the forms' face too.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setFont(ui::ProgramFont());

  ui::QtMessageBoxes boxes{"VexlorEXP"};
  ui::QtFileDialogs fileDialogs;
  ui::QtPopupMenus popups;
  composition::SystemOptions options;
  options.programName = "VexlorEXP";
  composition::SystemServices system{options, boxes, fileDialogs, popups};
  system.pump.AttachMainLoop();
  composition::EndingSignals endingSignals{system};

  // The played timeline of the run, for checking what the program did: $VX_EXP_TIMELINE
  // names its file.
  const char* timelineFile = std::getenv("VX_EXP_TIMELINE");
  // Sound written to a file (SDL's disk driver) goes beside the main program's, not over it.
  if (const char* disk = std::getenv("SDL_DISKAUDIOFILE"); disk && *disk) {
    ::setenv("SDL_DISKAUDIOFILE", (std::string(disk) + ".exp").c_str(), 1);
  }
  composition::SystemSound sound{system.clock, {}, timelineFile ? timelineFile : ""};

  state::ExpContext exp;
  system.Fill(exp.svc);
  sound.Fill(exp.svc);
  exp.boxes = &boxes;
  exp.ui = &system.env;
  callout::InstallCallOutEngine(exp);

  platform::FileInstanceLock instanceLock{platform::DefaultInstanceLockFile("VexlorEXP")};
  callout::FrmExp frmExp{system.env, exp, instanceLock, QCoreApplication::applicationDirPath().toStdString()};
  endingSignals.close = [&frmExp] {
    if (frmExp.Loaded()) frmExp.Unload();
  };

  // Started by the main program without the focus, the window does not take it.
  const char* noFocus = std::getenv("VX_NO_FOCUS");
  const bool keepFocus = noFocus && std::string(noFocus) == "1";
  return ui::RunProgram(system.env, [&] {
    if (keepFocus) {
      frmExp.Load();
      if (QWidget* window = frmExp.Window()) {
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        window->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
      }
    }
    frmExp.Start();
  });
}
