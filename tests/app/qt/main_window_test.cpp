// The Linux window driven through its real Qt widgets (offscreen), against real directories on disk.
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

// moc does not read the Chinese identifiers of the core's headers; it needs none of them.
#ifndef Q_MOC_RUN
#include "app/qt/dialogs.h"
#include "app/qt/main_window.h"
#include "modal_answerer.h"
#include "platform/file_system-posix.h"
#include "rename/name_list.h"
#include "rename/texts.h"
#include "support/fake_window.h"
#include "support/temp_dir.h"
#endif

using qm::Box;
using qm::testing::ModalAnswerer;
using qm::testing::TempDir;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<qm::FileSystem> files_ = qm::MakePosixFileSystem();
  qm::QtDialogs dialogs_;
  qm::testing::FakeClock clock_;
  std::unique_ptr<qm::MainWindow> window_;
  std::unique_ptr<TempDir> dir_;

  QWidget* W(const char* name) { return window_->control(name); }
  QPlainTextEdit* Multi(const char* name) { return static_cast<QPlainTextEdit*>(W(name)); }
  QLineEdit* Line(const char* name) { return static_cast<QLineEdit*>(W(name)); }
  QString Focus() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
  std::string TextOf(qm::Box box) { return window_->controls().Text(box); }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  }
  void Click(const char* button) { QTest::mouseClick(W(button), Qt::LeftButton); }

 private slots:
  void init() {
    dir_ = std::make_unique<TempDir>();
    window_ = qm::CreateMainWindow(dialogs_, *files_, clock_, "/opt/run dir");
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() {
    window_.reset();
    dir_.reset();
  }

  void initialState() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quindrel Morvask"));
    QCOMPARE(window_->size(), QSize(qm::kClientWidth, qm::kClientHeight));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());  // a fixed frame
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!window_->windowIcon().isNull());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();  // centred as the outer window would be
    QCOMPARE(window_->pos(), QPoint((screen.width() - qm::kWindowWidth) / 2, (screen.height() - qm::kWindowHeight) / 2));

    QCOMPARE(Line("编辑框2")->text(), QStringLiteral("/opt/run dir"));
    QVERIFY(!W("编辑框2")->isEnabled());
    QVERIFY(!W("编辑框5")->isEnabled());
    for (const char* name : {"编辑框1", "编辑框3", "编辑框4", "按钮1", "按钮2", "按钮3", "按钮4", "按钮5"})
      QVERIFY2(W(name)->isEnabled(), name);
    QCOMPARE(Focus(), QStringLiteral("按钮1"));
    QCOMPARE(TextOf(Box::编辑框1), "");
    QCOMPARE(TextOf(Box::编辑框5), "");
    QCOMPARE(Line("编辑框2")->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
    QCOMPARE(Line("编辑框2")->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));

    QFont big = W("按钮4")->font();
    QCOMPARE(big.pixelSize(), 24);
    QVERIFY(big.bold());
    QCOMPARE(static_cast<QPushButton*>(W("按钮5"))->text(), QStringLiteral("点击导出文件名到excel处理"));
    QCOMPARE(Multi("编辑框3")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Multi("编辑框3")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(W("标签4")->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(W("编辑框2"), Qt::LeftButton);  // a disabled box takes neither the focus nor typing
    QTest::keyClicks(W("编辑框2"), "x");
    QCOMPARE(Focus(), QStringLiteral("按钮1"));
    QCOMPARE(TextOf(Box::编辑框2), "/opt/run dir");
  }

  void accessibleNames() {
    // A screen reader announces each box by the label that names it, and each button by its caption.
    const std::pair<const char*, const char*> names[] = {
        {"编辑框2", "目录路径"}, {"编辑框1", "文件后缀"}, {"编辑框3", "读取的文件名"},
        {"编辑框4", "excel处理后的文件名（粘贴）"}, {"编辑框5", "选择目录"}, {"按钮1", "读取名称"},
        {"按钮2", "浏览"}, {"按钮3", "浏览"}, {"按钮4", "开始重命名（点击前三思）"},
        {"按钮5", "点击导出文件名到excel处理"}};
    for (const auto& [control, name] : names) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(W(control));
      QVERIFY2(accessible, control);
      QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(name));
    }
  }

  void geometry_data() {
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < qm::kControlCount; ++i) {
      const std::string name(qm::ControlTable()[i].name);
      QTest::newRow(name.c_str()) << int(i);
    }
  }
  void geometry() {
    QFETCH(int, index);
    const qm::ControlSpec& row = qm::ControlTable()[size_t(index)];
    QWidget* widget = window_->control(size_t(index));
    QCOMPARE(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
    QVERIFY(widget->isVisible());
  }

  void tabCycleBothWays() {
    const QStringList forwards = {"按钮2", "编辑框3", "编辑框4", "编辑框1", "按钮3", "按钮4", "按钮5", "按钮1"};
    for (const QString& expected : forwards) {
      Press(Qt::Key_Tab);
      QCOMPARE(Focus(), expected);
    }
    const QStringList backwards = {"按钮5", "按钮4", "按钮3", "编辑框1", "编辑框4", "编辑框3", "按钮2", "按钮1"};
    for (const QString& expected : backwards) {
      Press(Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(Focus(), expected);
    }
  }

  void enterAndTabInTheNewNames() {
    W("编辑框4")->setFocus();
    QTest::keyClicks(W("编辑框4"), "a");
    Press(Qt::Key_Return);
    QTest::keyClicks(W("编辑框4"), "b");
    Press(Qt::Key_Tab);
    QCOMPARE(Focus(), QStringLiteral("编辑框1"));
    QCOMPARE(TextOf(Box::编辑框4), "a\r\nb");  // Enter is CR LF, and no tab was typed
  }

  void escapeClosesFromAMultiLineBox() {
    W("编辑框3")->setFocus();
    QTest::keyClicks(W("编辑框3"), "names");
    Press(Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
  }

  void spaceOnReadClicksItAndEnterDoesNot() {
    dir_->Write("b.txt");
    dir_->Write("a.txt");
    window_->controls().SetText(Box::编辑框2, dir_->str());
    Press(Qt::Key_Return);
    QCOMPARE(TextOf(Box::编辑框3), "");
    Press(Qt::Key_Space);
    QCOMPARE(TextOf(Box::编辑框3), "a.txt\r\nb.txt\r\n");
    QCOMPARE(Multi("编辑框3")->textCursor().position(), Multi("编辑框3")->document()->characterCount() - 1);
  }

  void readThenRenameInPlace() {
    ModalAnswerer answerer;
    dir_->Write("一.txt", "1");
    dir_->Write("二.txt", "2");
    dir_->Write("skip.jpg", "j");
    window_->controls().SetText(Box::编辑框2, dir_->str());
    QTest::keyClicks(W("编辑框1"), "txt");
    Click("按钮1");
    QCOMPARE(TextOf(Box::编辑框3), "一.txt\r\n二.txt\r\n");
    W("编辑框4")->setFocus();
    Multi("编辑框4")->insertPlainText(QStringLiteral("甲.txt"));  // pasted: the keyboard types ASCII only here
    Press(Qt::Key_Return);
    Multi("编辑框4")->insertPlainText(QStringLiteral("乙.txt"));
    W("按钮4")->setFocus();
    Press(Qt::Key_Space);
    QCOMPARE(dir_->Names(), (std::set<std::string>{"skip.jpg", "甲.txt", "乙.txt"}));
    QCOMPARE(dir_->Read("甲.txt"), "1");
    QCOMPARE(answerer.messages.size(), 1);
    QCOMPARE(answerer.messages[0].text, QStringLiteral("处理结束"));
    QCOMPARE(answerer.messages[0].caption, QStringLiteral("提示"));
    QTRY_COMPARE(Focus(), QStringLiteral("按钮4"));  // back where it was before the message box
  }

  void copyIntoTargetAndMismatch() {
    ModalAnswerer answerer;
    TempDir target;
    dir_->Write("a", "A");
    window_->controls().SetText(Box::编辑框2, dir_->str());
    answerer.AnswerFolder([&](qm::FolderDialog& dialog) {
      dialog.select(QString::fromStdString(target.str()));
      dialog.accept();
    });
    Click("按钮3");
    QCOMPARE(TextOf(Box::编辑框5), target.str());
    Multi("编辑框3")->setPlainText("a");
    Multi("编辑框4")->setPlainText("copy of a");
    Click("按钮4");
    QCOMPARE(target.Read("copy of a"), "A");
    QCOMPARE(dir_->Read("a"), "A");
    Multi("编辑框4")->setPlainText("x\ny");
    Click("按钮4");
    QCOMPARE(answerer.messages.size(), 2);
    QCOMPARE(answerer.messages[1].text, QStringLiteral("前后文件名称数不对称"));
    QCOMPARE(answerer.messages[1].caption, QStringLiteral("信息："));
  }

  void exportWritesTheBoxBytes() {
    ModalAnswerer answerer;
    answerer.AnswerFolder([&](qm::FolderDialog& dialog) {
      dialog.select(QString::fromStdString(dir_->str()));
      dialog.accept();
    });
    window_->controls().SetText(Box::编辑框3, "a.txt\r\n照片 1.jpg\r\n");
    Click("按钮5");
    QCOMPARE(answerer.folder_prompts, QStringList{QStringLiteral("请选择保存的文件目录")});
    QCOMPARE(dir_->Read("重命名2017年3月9日8时5分.xls"), "a.txt\r\n照片 1.jpg\r\n");
    QCOMPARE(answerer.messages.size(), 1);
    QCOMPARE(answerer.messages[0].text, QStringLiteral("导出完成，文件名为：重命名2017年3月9日8时5分.xls"));
  }

  void folderDialogChoosesAFolderAFileOrNothing() {
    ModalAnswerer answerer;
    dir_->Write("file.txt");
    const QString folder = QString::fromStdString(dir_->str());
    answerer.AnswerFolder([&](qm::FolderDialog& dialog) {
      dialog.select(folder);
      dialog.accept();
    });
    answerer.AnswerFolder([&](qm::FolderDialog& dialog) {
      dialog.select(folder);
      dialog.pathField()->setText(QStringLiteral("file.txt"));  // a name typed into the field
      dialog.accept();
    });
    answerer.AnswerFolder([&](qm::FolderDialog& dialog) { dialog.reject(); });
    W("按钮2")->setFocus();
    const std::string expected[] = {dir_->str(), dir_->str() + "/file.txt", ""};  // cancelling empties the box
    for (const std::string& path : expected) {
      Press(Qt::Key_Space);
      QCOMPARE(TextOf(Box::编辑框2), path);
      QTRY_COMPARE(Focus(), QStringLiteral("按钮2"));  // the focus comes back after the dialog
    }
    QCOMPARE(answerer.folder_prompts, (QStringList{"文件", "文件", "文件"}));
  }

  void boxesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("names and blank lines") << QByteArray("a.txt\r\n\r\nlast");
    QTest::newRow("Chinese and an emoji") << QByteArray("中文\r\n\xF0\x9F\x98\x80.jpg\r\n");
    QTest::newRow("no-break space") << QByteArray("a\xC2\xA0" "b\r\n");
    QTest::newRow("invalid UTF-8") << QByteArray("a\xFF\r\n\xC3\r\n\xED\xA0\x80\r\n\xE4\xB8\r\n");
    QTest::newRow("replacement character itself") << QByteArray("a\xEF\xBF\xBD\r\n");
    QTest::newRow("lone CR and LF in names") << QByteArray("x\ny\r\nz\r\r\n\r");
    QTest::newRow("NUL") << QByteArray("a\0b\r\n", 6);
  }
  void boxesKeepTheirBytes() {
    // What the actions write is exactly what they read back, whatever bytes a Linux file name holds.
    QFETCH(QByteArray, bytes);
    const std::string text(bytes.constData(), size_t(bytes.size()));
    for (qm::Box box : {Box::编辑框3, Box::编辑框4, Box::编辑框1}) {
      std::string expected = text;
      window_->controls().SetText(box, text);
      QCOMPARE(TextOf(box), expected);
      window_->controls().Append(box, "more\r\n");
      QCOMPARE(TextOf(box), expected + "more\r\n");
    }
    QCOMPARE(qm::SplitNameList(TextOf(Box::编辑框3)).size(), qm::SplitNameList(text + "more\r\n").size());
  }

  void namesThatLookAlikeRenameTheRightFile() {
    // "a\xFF" shows as "a" and a replacement glyph, like the file that is really named so: each must keep its
    // own bytes through the box, or the batch would rename the other one.
    ModalAnswerer answerer;
    dir_->Write("a\xFF", "invalid");
    dir_->Write("a\xEF\xBF\xBD", "replacement");
    dir_->Write("x\ny", "newline");
    window_->controls().SetText(Box::编辑框2, dir_->str());
    Click("按钮1");
    QCOMPARE(Multi("编辑框3")->blockCount(), 4);  // three names and the empty last line
    const std::string listing = TextOf(Box::编辑框3);
    const std::vector<std::string_view> names = qm::SplitNameList(listing);
    std::string renamed;
    for (std::string_view name : names) renamed += std::string(name) == "a\xFF" ? "one\r\n" : "keep-" + std::to_string(renamed.size()) + "\r\n";
    window_->controls().SetText(Box::编辑框4, renamed);
    Click("按钮4");
    QCOMPARE(dir_->Read("one"), "invalid");
    QCOMPARE(dir_->Read("a\xEF\xBF\xBD"), "<missing>");  // renamed to its keep- name, not confused with a\xFF
    QCOMPARE(answerer.messages.value(0).text, QStringLiteral("处理结束"));
    QCOMPARE(dir_->Names().size(), size_t(3));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
