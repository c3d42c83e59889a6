#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/temp_dir.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_message_boxes.h"

namespace vx::ui {
namespace {

// Acts on the modal window as soon as one is up (the test's stand-in for the user).
class ModalAnswer {
 public:
  explicit ModalAnswer(std::function<void(QWidget*)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        timer_.stop();
        act_(w);
      }
    });
    timer_.start(5);
  }

 private:
  QTimer timer_;
  std::function<void(QWidget*)> act_;
};

TEST(ScriptedMessageBoxes, AnswerInOrderAndAnUnexpectedBoxFailsTheTest) {
  ScriptedMessageBoxes boxes;
  boxes.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  boxes.Expect("設定値の保存", Answer::No, "上書き保存しますか？");
  boxes.Expect("VexlorPro", Answer::Ok);
  EXPECT_EQ(boxes.Show("VexlorPro を終了します。\r\n\r\n設定ファイル「 a.cfg 」を上書き保存しますか？", Buttons::YesNo,
                       Icon::Question, "設定値の保存"),
            Answer::No);
  EXPECT_EQ(boxes.Show("ＦＳが実行されていません", Buttons::Ok, Icon::Exclamation, ""), Answer::Ok);
  EXPECT_EQ(boxes.shown.at(1).title, "VexlorPro") << "a box without a title shows the program's name";
  EXPECT_NONFATAL_FAILURE(boxes.Show("surprise", Buttons::OkCancel, Icon::Question, "何か"),
                          "unexpected message box [何か] surprise");
  boxes.Expect("ＬＤＢ", Answer::Cancel, "ランディング");
  EXPECT_NONFATAL_FAILURE(boxes.Show("別の文", Buttons::OkCancel, Icon::Question, "ＬＤＢ"), "unexpected");
}

TEST(ScriptedFileDialogs, AnswerInOrderAndAnUnexpectedDialogFailsTheTest) {
  ScriptedFileDialogs dialogs;
  dialogs.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
  const FileDialogRequest open{"開く", "VexlorPro ファイル (*.cfg)|*.cfg", "/base", ""};
  dialogs.Expect(FileDialogKind::Open, "開く", "/base/other.cfg");
  dialogs.Expect(FileDialogKind::Save, "保存", std::nullopt);
  EXPECT_EQ(dialogs.Open(open), "/base/other.cfg");
  EXPECT_EQ(dialogs.Save({"保存", open.filter, "/base", ""}), std::nullopt) << "cancelled";
  EXPECT_EQ(dialogs.shown.at(0).request.initialFolder, "/base");
  dialogs.Expect(FileDialogKind::Save, "開く", "/x.cfg");
  std::optional<std::string> answer = "not cancelled";
  EXPECT_NONFATAL_FAILURE(answer = dialogs.Open(open), "unexpected open dialog [開く]");
  EXPECT_EQ(answer, std::nullopt);
}

TEST(FileFilters, BarSeparatedPairsBecomeTheWindowSystemsFilter) {
  const std::pair<const char*, const char*> cases[] = {
      {"VexlorPro ファイル (*.cfg)|*.cfg", "VexlorPro ファイル (*.cfg)"},
      {"テキスト|*.txt", "テキスト (*.txt)"},
      {"設定 (*.cfg)|*.cfg|すべて (*.*)|*.*", "設定 (*.cfg);;すべて (*.*)"},
      {"画像|*.jpg;*.bmp", "画像 (*.jpg *.bmp)"},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(ToQtFileFilter(in), out) << in;
}

TEST(QtMessageBoxes, ShowJapaneseButtonsAndTheProgramNameAsDefaultTitle) {
  QtMessageBoxes boxes("VexlorPro");
  QStringList buttons;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int openWhileUp = 0;
  auto answerWith = [&](const QString& press) {
    return std::make_unique<ModalAnswer>([&, press](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      openWhileUp = boxes.OpenBoxes();
      title = box->windowTitle();
      icon = box->icon();
      buttons.clear();
      QAbstractButton* target = nullptr;
      for (QAbstractButton* b : box->buttons()) {
        buttons << b->text();
        if (b->text() == press) target = b;
      }
      ASSERT_NE(target, nullptr);
      target->click();
    });
  };

  auto user = answerWith("いいえ(&N)");
  EXPECT_EQ(boxes.Show("読込みますか？", Buttons::YesNo, Icon::Question, "途中データ読込"), Answer::No);
  EXPECT_EQ(title, "途中データ読込");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_TRUE(buttons.contains("はい(&Y)"));
  EXPECT_EQ(buttons.size(), 2);
  EXPECT_EQ(openWhileUp, 1);
  EXPECT_EQ(boxes.OpenBoxes(), 0);
  EXPECT_EQ(boxes.BoxesShown(), 1u);

  user = answerWith("キャンセル");
  EXPECT_EQ(boxes.Show("よろしいですか？", Buttons::OkCancel, Icon::Question, ""), Answer::Cancel);
  EXPECT_EQ(title, "VexlorPro");
  EXPECT_TRUE(buttons.contains("OK"));

  user = answerWith("OK");
  EXPECT_EQ(boxes.Show("型が一致しません。", Buttons::Ok, Icon::Critical, ""), Answer::Ok);
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, QStringList{"OK"});
}

TEST(QtFileDialogs, ReturnTheChosenPathOrNothingWhenCancelled) {
  vx::test::TempDir dir;
  dir.WriteBytes("VexlorPro.cfg", ";VexlorPro.cfg V1.11\r\n");
  QtFileDialogs dialogs;
  const FileDialogRequest request{"開く", "VexlorPro ファイル (*.cfg)|*.cfg", dir.Str(), ""};

  QString seenTitle;
  auto user = std::make_unique<ModalAnswer>([&](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    seenTitle = dialog->windowTitle();
    EXPECT_EQ(dialog->nameFilters(), QStringList{"VexlorPro ファイル (*.cfg)"});
    dialog->selectFile(QString::fromStdString((dir.Path() / "VexlorPro.cfg").string()));
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(dialogs.Open(request), (dir.Path() / "VexlorPro.cfg").string());
  EXPECT_EQ(seenTitle, "開く");

  user = std::make_unique<ModalAnswer>([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
  EXPECT_EQ(dialogs.Save({"保存", request.filter, dir.Str(), ""}), std::nullopt);
}

}  // namespace
}  // namespace vx::ui
