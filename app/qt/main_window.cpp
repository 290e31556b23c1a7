#include "app/qt/main_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>

#include "app/qt/byte_text.h"
#include "rename/texts.h"

// The icon is compiled into this static library; its resource must be registered by hand.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace qm {
namespace {

// A label draws its text on one line, left aligned and centred vertically, on the button face, and never takes
// the focus. The CR LF inside a label's text does not start a second line.
class SingleLineLabel : public QWidget {
 public:
  SingleLineLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAccessibleName(text_.simplified());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text_);
  }

 private:
  QString text_;
};

// Black text on white in every state, also while disabled.
void BlackOnWhite(QWidget* box) {
  QPalette colours = box->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Text, Qt::black);
    colours.setColor(group, QPalette::Base, Qt::white);
  }
  box->setPalette(colours);
}

QPlainTextEdit* MakeMultiLineBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);  // long lines wrap on screen; the text gains no break
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setUndoRedoEnabled(false);  // a listing of a million names would otherwise be kept twice
  return box;
}

// The edit boxes as the actions see them: the exact bytes, with CR LF line breaks.
class QtControls : public Controls {
 public:
  explicit QtControls(MainWindow& window) : window_(window) {}

  std::string Text(Box box) override {
    QWidget* widget = Widget(box);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return TextToBytes(line->text(), false);
    // The raw text keeps every character as typed (the plain text would turn a no-break space into a space);
    // its blocks are separated by U+2029.
    return TextToBytes(static_cast<QPlainTextEdit*>(widget)->document()->toRawText(), true);
  }

  void SetText(Box box, std::string_view bytes) override {
    QWidget* widget = Widget(box);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      line->setText(BytesToText(bytes, false));
      return;
    }
    static_cast<QPlainTextEdit*>(widget)->setPlainText(BytesToText(bytes, true));
  }

  void Append(Box box, std::string_view bytes) override {
    QWidget* widget = Widget(box);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      line->end(false);
      line->insert(BytesToText(bytes, false));
      return;
    }
    auto* edit = static_cast<QPlainTextEdit*>(widget);
    if (edit->document()->isEmpty()) {
      edit->setPlainText(BytesToText(bytes, true));  // one step for the whole listing: fast for a huge directory
    } else {
      QTextCursor cursor(edit->document());
      cursor.movePosition(QTextCursor::End);
      cursor.insertText(BytesToText(bytes, true));
    }
    edit->moveCursor(QTextCursor::End);
    edit->ensureCursorVisible();
  }

 private:
  QWidget* Widget(Box box) { return window_.control(ControlIndex(box)); }
  MainWindow& window_;
};

}  // namespace

MainWindow::MainWindow(Dialogs& dialogs, FileSystem& files, Clock& clock)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      box_access_(std::make_unique<QtControls>(*this)),
      env_{*box_access_, dialogs, files, clock, NativePathRules()} {
  RegisterResources();
  setWindowTitle(FromUtf8(texts::kWindowTitle));
  setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
  setFixedSize(kClientWidth, kClientHeight);
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  installEventFilter(this);

  for (size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& row = ControlTable()[i];
    QWidget* widget = nullptr;
    switch (row.kind) {
      case ControlKind::Button: {
        auto* button = new QPushButton(FromUtf8(row.text), this);
        button->setAutoDefault(false);  // no default button: Enter clicks nothing
        button->setDefault(false);
        if (row.name == "按钮4") {
          QFont big = button->font();
          big.setPixelSize(24);
          big.setBold(true);
          button->setFont(big);
        }
        if (row.action) {
          auto action = row.action;
          connect(button, &QPushButton::clicked, this, [this, action] { action(env_); });
        }
        widget = button;
        break;
      }
      case ControlKind::Label:
        widget = new SingleLineLabel(FromUtf8(row.text), this);
        break;
      case ControlKind::SingleLineEdit:
        widget = new QLineEdit(this);
        static_cast<QLineEdit*>(widget)->setMaxLength(std::numeric_limits<int>::max());  // no limit of its own
        BlackOnWhite(widget);
        break;
      case ControlKind::MultiLineEdit:
        widget = MakeMultiLineBox(this);
        BlackOnWhite(widget);
        break;
    }
    widget->setObjectName(FromUtf8(row.name));
    if (!row.accessible_name.empty()) widget->setAccessibleName(FromUtf8(row.accessible_name));
    widget->setGeometry(row.left, row.top, row.width, row.height);
    if (row.kind != ControlKind::Label) widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(this);
    controls_[i] = widget;
  }
}

MainWindow::~MainWindow() = default;

Controls& MainWindow::controls() { return *box_access_; }

void MainWindow::MoveFocus(bool backwards) {
  size_t from = kControlCount;
  for (size_t i = 0; i < kControlCount; ++i)
    if (controls_[i] == focusWidget()) from = i;
  const size_t next = NextInTabCycle(from, backwards, [this](size_t i) {
    return controls_[i]->isVisible() && controls_[i]->isEnabled();
  });
  if (next != kControlCount) controls_[next]->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
    return QWidget::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  const bool tab = key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier;
  const bool back_tab = (key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Tab) && modifiers == Qt::ShiftModifier;
  const bool escape = key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier;
  if (!tab && !back_tab && !escape) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();  // the key is ours: no shortcut of a child takes it
    return true;
  }
  if (escape) {
    close();
  } else {
    MoveFocus(back_tab);
  }
  return true;  // the key goes no further: no tab is ever typed
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  const QWidget* focus = focusWidget();
  if (focus == nullptr || !focus->isEnabled()) MoveFocus(false);  // the first control of the cycle: 按钮1
}

void InitMainWindow(MainWindow& window, const std::string& run_directory) {
  window.controls().SetText(Box::编辑框2, run_directory);
  window.controls().SetText(Box::编辑框1, "");
  window.control("编辑框2")->setEnabled(false);
  window.control("编辑框5")->setEnabled(false);
}

std::unique_ptr<MainWindow> CreateMainWindow(Dialogs& dialogs, FileSystem& files, Clock& clock,
                                             const std::string& run_directory) {
  auto window = std::make_unique<MainWindow>(dialogs, files, clock);
  InitMainWindow(*window, run_directory);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    window->move(area.left() + (area.width() - kWindowWidth) / 2, area.top() + (area.height() - kWindowHeight) / 2);
  }
  window->show();
  window->activateWindow();
  return window;
}

}  // namespace qm
