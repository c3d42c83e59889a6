#pragma once
// The forms the form text tests look at: every form of the three programs built from its
// design alone (without its load step), the texts each control shows as built, and the
// widest texts the programs write into a control after its form has loaded.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "announce/frm_sound.h"
#include "briefing/sheet_calls.h"
#include "mainwindow/frm_ver.h"
#include "mainwindow/pro_program.h"
#include "platform/instance_lock.h"
#include "state/exp_context.h"
#include "state/ocumo_context.h"
#include "ui/control.h"
#include "ui/form.h"
#include "viewpoint/frm_ocumo.h"

namespace vx::form_text {

// What the forms are built on: the three programs' contexts and the windows that other
// windows are given.
struct Programs {
  mainwindow::test::ProProgram main;
  ui::UiEnv& env = main.ui.env;
  state::ProContext& pro = main.pro;
  state::ExpContext exp;
  state::OcumoContext ocumo;
  platform::ScriptedInstanceLock lock;
  std::filesystem::path folder = main.dir.Path();
  briefing::TobSheetCalls sheet{[] {}, [](int) {}, [] {}};
  announce::FrmSound frmSound{env, pro};
  mainwindow::FrmVer frmVer{env};
  viewpoint::FrmOcumo frmOcumo{env, ocumo};
};

// Every form of the programs, one entry each.
struct FormEntry {
  std::string_view name;
  std::function<std::unique_ptr<ui::Form>(Programs&)> make;
};
std::span<const FormEntry> AllForms();

// The form built and loaded from its design alone: the run-time texts come from Widest().
std::unique_ptr<ui::Form> LoadDesign(Programs& programs, const FormEntry& entry);

// The widest texts the programs write into a control after its form has loaded. An index
// of kEveryElement stands for every element of a control array.
constexpr int kEveryElement = -2;
struct WidestTexts {
  std::string_view form;
  std::string_view control;
  int index;
  std::vector<std::string_view> texts;
};
const std::vector<WidestTexts>& Widest();

// Controls the user never sees: focus sinks that the load step puts outside the window.
bool NeverShown(const ui::Form& form, const ui::Control& c);

// Every text the control may show: its text or caption as built, a list's items, and its
// rows of Widest() (each row found is added to `used`).
std::vector<QString> TextsOf(const ui::Form& form, const ui::Control& c, std::vector<const WidestTexts*>& used);

// Each control of the container, frames' controls after their frame.
void Walk(const ui::Container& container, const std::function<void(ui::Control&)>& visit);

// "name" or "name(index)".
std::string Describe(const ui::Control& c);

// Test names take the Latin letters of the form's name and its place in the table.
std::string TestName(const ::testing::TestParamInfo<FormEntry>& info);

}  // namespace vx::form_text
