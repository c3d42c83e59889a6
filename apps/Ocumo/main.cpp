// Ocumo: the viewpoint program, on the machine's own services.
#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "composition/ending_signals.h"
#include "composition/system_services.h"
#include "platform/instance_lock.h"
#include "platform/x11_foreign_windows.h"
#include "state/ocumo_context.h"
#include "ui/program_loop.h"
#include "ui/fonts.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_message_boxes.h"
#include "ui/qt_popup_menus.h"
#include "viewpoint/frm_ocumo.h"
#include "viewpoint/ocumo_program.h"

using namespace vx;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The style whose frames and margins the forms' texts are measured against, on every
  // desktop; message boxes and dialogs draw in the forms' face too.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setFont(ui::ProgramFont());

  ui::QtMessageBoxes boxes{"Ocumo"};
  ui::QtFileDialogs fileDialogs;
  ui::QtPopupMenus popups;
  composition::SystemOptions options;
  options.programName = "Ocumo";
  composition::SystemServices system{options, boxes, fileDialogs, popups};
  system.pump.AttachMainLoop();
  composition::EndingSignals endingSignals{system};
  platform::X11ForeignWindows foreignWindows;

  state::OcumoContext ctx;
  system.Fill(ctx.svc);
  ctx.svc.foreignWindows = &foreignWindows;
  ctx.boxes = &boxes;
  ctx.ui = &system.env;

  platform::FileInstanceLock instanceLock{platform::DefaultInstanceLockFile("Ocumo")};
  viewpoint::FrmOcumo frmOcumo{system.env, ctx};
  endingSignals.close = [&frmOcumo] {
    if (frmOcumo.Loaded()) frmOcumo.Unload();
  };

  // Started by the main program without the focus, the window does not take it.
  const char* noFocus = std::getenv("VX_NO_FOCUS");
  const bool keepFocus = noFocus && std::string(noFocus) == "1";
  if (keepFocus) {
    frmOcumo.onWindowLoaded = [&frmOcumo] {
      if (QWidget* window = frmOcumo.Window()) {
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        window->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
      }
    };
  }
  return ui::RunProgram(system.env, [&] {
    viewpoint::OcumoStartup(ctx, frmOcumo, instanceLock, QCoreApplication::applicationDirPath().toStdString());
  });
}
