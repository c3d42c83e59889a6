#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// Characters of a UTF-8 text, each whole.
std::vector<std::string> Characters(const std::string& s) {
  std::vector<std::string> out;
  for (const char c : s) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) out.emplace_back();
    out.back() += c;
  }
  return out;
}

std::string Repeated(const std::string& piece, std::size_t times) {
  std::string s;
  s.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) s += piece;
  return s;
}

TEST(FitBoxText, TextsOfReadableLengthAreShownAsTheyAre) {
  const std::string texts[] = {
      "",
      "ＦＳが実行されていません",
      "VexlorPro を終了します。\r\n\r\n設定ファイル「 a.cfg 」を上書き保存しますか？",
      "型が一致しません。\n\n",
      Repeated("空", kBoxLineChars) + "\n" + Repeated("a", kBoxLineChars),
      Repeated("行\n", kBoxLines - 1) + "行",
  };
  for (const std::string& text : texts) EXPECT_EQ(FitBoxText(text), text);
}

TEST(FitBoxText, ALongValueKeepsTheSentenceAroundItAndIsMarkedWhereItWasCut) {
  struct Case {
    const char* name;
    std::string piece;  // repeated to a mebibyte, without a space
  } cases[] = {{"letters", "x"}, {"CP932 text", "空"}, {"mixed widths", "ｱa港"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string value = Repeated(c.piece, (1u << 20) / c.piece.size());
    const std::string text = "設定ファイル「 VexlorPro.cfg 」の設定値 60 を読み込めません。\n型が一致しません。\n設定値：「" +
                             value + "」\n\n設定値は読み込む前のままです。";
    const std::string fitted = FitBoxText(text);
    EXPECT_LE(fitted.size(), 1024u);
    const std::string quoted = fitted.substr(fitted.find("設定値：「"));
    const std::string line = quoted.substr(0, quoted.find('\n'));
    EXPECT_EQ(Characters(line).size(), kBoxLineChars);
    EXPECT_NE(line.find(std::string(kBoxCutMark)), std::string::npos);
    EXPECT_EQ(line.substr(line.size() - std::string("」").size()), "」") << "the quote is closed";
    EXPECT_EQ(fitted.rfind("設定ファイル「 VexlorPro.cfg 」の設定値 60 を読み込めません。\n型が一致しません。\n設定値：「", 0), 0u);
    EXPECT_EQ(fitted.substr(fitted.size() - std::string("\n\n設定値は読み込む前のままです。").size()),
              "\n\n設定値は読み込む前のままです。");
    // Every character whole: the text reads back as UTF-8 of the value's own characters.
    for (const std::string& ch : Characters(line.substr(std::string("設定値：「").size()))) {
      EXPECT_TRUE(c.piece.find(ch) != std::string::npos || ch == kBoxCutMark || ch == "」") << ch;
    }
  }
}

TEST(FitBoxText, ManyLinesKeepTheFirstAndTheLastWithAMarkBetween) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "No " + std::to_string(i) + "\n";
  text += "入力を確認してください";
  const std::string fitted = FitBoxText(text);
  std::vector<std::string> lines;
  for (std::size_t from = 0;;) {
    const auto end = fitted.find('\n', from);
    lines.push_back(fitted.substr(from, end == std::string::npos ? end : end - from));
    if (end == std::string::npos) break;
    from = end + 1;
  }
  ASSERT_EQ(lines.size(), kBoxLines);
  EXPECT_EQ(lines.front(), "No 0");
  EXPECT_EQ(lines.back(), "入力を確認してください");
  EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(kBoxCutMark)), lines.end());
}

TEST(ScriptedMessageBoxes, KeepTheTextAsTheBoxShowsIt) {
  ScriptedMessageBoxes boxes;
  boxes.Expect("CFG Read", Answer::Ok, "設定値：「");
  boxes.Show("設定値：「" + std::string(1u << 20, '9') + "」", Buttons::Ok, Icon::Exclamation, "CFG Read");
  EXPECT_EQ(boxes.shown.at(0).text, FitBoxText("設定値：「" + std::string(1u << 20, '9') + "」"));
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

// Texts that no box could show as they are: a mebibyte's value without a space, a value
// that looks like markup, carriage returns only, bytes that are no UTF-8, ten thousand
// short lines. Each gives a box within the screen, its OK button on it, that comes up at
// once (a text the cut missed took seconds to lay out), showing the text as fitted.
TEST(QtMessageBoxes, AnyTextGivesABoxWithinTheScreenAtOnce) {
  const std::string markup = "<b>設定ファイル</b>「 VexlorPro.cfg 」の設定値 60 を読み込めません。\n設定値：「" +
                             std::string(1u << 20, 'x') + "」";
  std::string shortLines;
  for (int i = 0; i < 10000; ++i) shortLines += "No " + std::to_string(i) + "\r\n";
  const struct Case {
    const char* name;
    std::string text;
    const char* start;  // how the shown text begins
  } cases[] = {
      {"a huge value that looks like markup", markup, "<b>設定ファイル</b>「 VexlorPro.cfg 」の設定値 60"},
      {"carriage returns only", std::string(1u << 16, '\r'), "\r\r\r"},
      {"bytes that are no UTF-8", std::string(1u << 20, '\x80'), "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"bytes that are no UTF-8 among text", Repeated("値\xff\xfe", 1u << 16), "値\xEF\xBF\xBD\xEF\xBF\xBD値"},
      {"ten thousand short lines", shortLines, "No 0\r\nNo 1\r\n"},
  };
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QtMessageBoxes boxes("VexlorPro");
    QString shown;
    QRect frame;
    Qt::TextFormat format = Qt::AutoText;
    bool buttonOnScreen = false;
    QElapsedTimer upAfter;
    qint64 upMs = -1;
    upAfter.start();
    ModalAnswer user([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      upMs = upAfter.elapsed();
      shown = box->text();
      format = box->textFormat();
      frame = box->frameGeometry();
      QAbstractButton* ok = box->buttons().at(0);
      buttonOnScreen = screen.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size()));
      ok->click();
    });
    EXPECT_EQ(boxes.Show(c.text, Buttons::Ok, Icon::Exclamation, "CFG Read"), Answer::Ok);
    // As fitted, or cut shorter still where the screen is too narrow for its lines.
    const std::string fitted = FitBoxText(c.text);
    EXPECT_LE(shown.size(), QString::fromUtf8(fitted.data(), static_cast<qsizetype>(fitted.size())).size());
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8(c.start))) << shown.left(40).toStdString();
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_LE(frame.width(), screen.width());
    EXPECT_LE(frame.height(), screen.height());
    EXPECT_TRUE(buttonOnScreen);
    EXPECT_GE(upMs, 0);
    EXPECT_LT(upMs, 3000) << "the box took " << upMs << " ms to come up";
  }
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
