#include "platform/ui/Edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/SysColors.h"

using platform_detail::FromQString;
using platform_detail::ToQColor;
using platform_detail::ToQString;

namespace {

class LineEditWidget : public QLineEdit {
 public:
  LineEditWidget(CEdit* owner, QWidget* parent) : QLineEdit(parent), m_owner(owner) {}
  void Detach() { m_owner = nullptr; }
  const CEdit* Owner() const { return m_owner; }
  // Set while code changes the text, which the digits check lets through.
  bool IsChangeFromCode() const { return m_fromCode; }
  void SetChangeFromCode(bool fromCode) { m_fromCode = fromCode; }

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (m_owner) m_owner->ApplyCtlColors();
    QLineEdit::paintEvent(e);
  }

 private:
  CEdit* m_owner;
  bool m_fromCode = false;
};

// Refuses a typed or pasted change that adds a non-digit while the edit has
// ES_NUMBER. It reads the style at each change, so ES_NUMBER added with
// ModifyStyle after creation takes effect at once. Text from code is let
// through, and the user may erase its non-digits: a change is refused only
// when its non-digits are not among those of the text before it. (The
// toolkit undoes a refused change only while the text is acceptable, so
// refusing text from code would let every later key through.)
class DigitsValidator : public QValidator {
 public:
  explicit DigitsValidator(LineEditWidget* edit) : QValidator(edit), m_edit(edit) {
    QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
  }
  State validate(QString& input, int&) const override {
    const CEdit* owner = m_edit->Owner();
    if (!owner || !(owner->GetStyle() & ES_NUMBER) || m_edit->IsChangeFromCode()) return Acceptable;
    qsizetype at = 0;  // where the next non-digit of the text before may be
    for (const QChar c : input) {
      if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) continue;
      while (at < m_before.size() && m_before[at] != c) ++at;
      if (at == m_before.size()) return Invalid;
      ++at;
    }
    return Acceptable;
  }

 private:
  LineEditWidget* m_edit;
  QString m_before;  // the text as it stood before the change
};

// Marks a change of the text made by code for the digits check.
class ChangeFromCode {
 public:
  explicit ChangeFromCode(QLineEdit* line) : m_line(dynamic_cast<LineEditWidget*>(line)) {
    if (m_line) m_line->SetChangeFromCode(true);
  }
  ~ChangeFromCode() {
    if (m_line) m_line->SetChangeFromCode(false);
  }
  ChangeFromCode(const ChangeFromCode&) = delete;
  ChangeFromCode& operator=(const ChangeFromCode&) = delete;

 private:
  LineEditWidget* m_line;
};

class TextEditWidget : public QPlainTextEdit {
 public:
  TextEditWidget(CEdit* owner, QWidget* parent) : QPlainTextEdit(parent), m_owner(owner) {}
  void Detach() { m_owner = nullptr; }

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (m_owner) m_owner->ApplyCtlColors();
    QPlainTextEdit::paintEvent(e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    // Without ES_WANTRETURN, Enter belongs to the dialog (its default button).
    if (m_owner && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        !(m_owner->GetStyle() & ES_WANTRETURN) && !(e->modifiers() & Qt::ControlModifier)) {
      e->ignore();
      return;
    }
    QPlainTextEdit::keyPressEvent(e);
  }

 private:
  CEdit* m_owner;
};

}  // namespace

CEdit::CEdit() = default;

CEdit::~CEdit() {
  if (auto* w = dynamic_cast<LineEditWidget*>(GetWidget())) w->Detach();
  if (auto* w = dynamic_cast<TextEditWidget*>(GetWidget())) w->Detach();
}

QWidget* CEdit::CreateNativeWidget(QWidget* parent) {
  if (IsMultiLine()) {
    auto* edit = new TextEditWidget(this, parent);
    edit->setLineWrapMode((m_dwStyle & WS_HSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy((m_dwStyle & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setReadOnly((m_dwStyle & ES_READONLY) != 0);
    if (!(m_dwStyle & WS_BORDER)) edit->setFrameShape(QFrame::NoFrame);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit] {
      // textChanged also fires for changes from code, which run with signals blocked.
      if (!edit->signalsBlocked()) UserEdited();
    });
    return edit;
  }
  auto* edit = new LineEditWidget(this, parent);
  edit->setFrame((m_dwStyle & WS_BORDER) != 0);
  edit->setReadOnly((m_dwStyle & ES_READONLY) != 0);
  if (m_dwStyle & ES_PASSWORD) edit->setEchoMode(QLineEdit::Password);
  edit->setValidator(new DigitsValidator(edit));
  if ((m_dwStyle & 0x3) == ES_CENTER) edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  else if ((m_dwStyle & 0x3) == ES_RIGHT) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString&) { UserEdited(); });
  return edit;
}

void CEdit::OnWidgetCreated() {
  const QString title = GetWidget()->windowTitle();
  if (!title.isEmpty()) SetWindowText(FromQString(title));
}

void CEdit::UserEdited() {
  m_bModified = true;
  HWND self = m_hWnd;
  NotifyParent(EN_UPDATE);
  if (IsWindow(self)) NotifyParent(EN_CHANGE);
}

void CEdit::SetWindowText(const std::string& text) {
  QWidget* w = GetWidget();
  if (auto* line = dynamic_cast<QLineEdit*>(w)) {
    // From code: the toolkit's edited signal is not emitted, so no EN_CHANGE.
    const ChangeFromCode fromCode(line);
    line->setText(ToQString(text));
  } else if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) {
    const QSignalBlocker block(multi);
    QString t = ToQString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    multi->setPlainText(t);
    multi->viewport()->update();
  }
  m_bModified = false;
}

std::string CEdit::GetWindowText() const {
  QWidget* w = GetWidget();
  if (auto* line = dynamic_cast<QLineEdit*>(w)) return FromQString(line->text());
  if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) {
    QString t = multi->toPlainText();
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return FromQString(t);
  }
  return std::string();
}

void CEdit::SetLimitText(UINT maxChars) {
  m_nLimit = maxChars;
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget()))
    line->setMaxLength(maxChars == 0 || maxChars > 32767 ? 32767 : static_cast<int>(maxChars));
}

void CEdit::SetSel(int start, int end, BOOL) {
  QWidget* w = GetWidget();
  if (auto* line = dynamic_cast<QLineEdit*>(w)) {
    const int length = static_cast<int>(line->text().size());
    if (start < 0) {
      line->deselect();
      return;
    }
    if (end < 0 || end > length) end = length;
    start = std::min(start, length);
    line->setSelection(start, end - start);
  } else if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) {
    QTextCursor cursor = multi->textCursor();
    const int length = static_cast<int>(multi->toPlainText().size());
    if (start < 0) {
      cursor.clearSelection();
    } else {
      if (end < 0 || end > length) end = length;
      cursor.setPosition(std::min(start, length));
      cursor.setPosition(end, QTextCursor::KeepAnchor);
    }
    multi->setTextCursor(cursor);
  }
}

void CEdit::GetSel(int& start, int& end) const {
  start = end = 0;
  QWidget* w = GetWidget();
  if (auto* line = dynamic_cast<QLineEdit*>(w)) {
    if (line->hasSelectedText()) {
      start = line->selectionStart();
      end = start + static_cast<int>(line->selectedText().size());
    } else {
      start = end = line->cursorPosition();
    }
  } else if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) {
    const QTextCursor cursor = multi->textCursor();
    start = cursor.selectionStart();
    end = cursor.selectionEnd();
  }
}

DWORD CEdit::GetSel() const {
  int start = 0, end = 0;
  GetSel(start, end);
  return static_cast<DWORD>(MAKELPARAM(start, end));
}

void CEdit::ReplaceSel(const std::string& text, BOOL) {
  QWidget* w = GetWidget();
  if (auto* line = dynamic_cast<QLineEdit*>(w)) {
    const ChangeFromCode fromCode(line);
    line->insert(ToQString(text));
  } else if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) {
    const QSignalBlocker block(multi);
    multi->insertPlainText(ToQString(text));
  }
}

void CEdit::TypeText(const std::string& text) {
  QWidget* w = GetWidget();
  if (auto* line = dynamic_cast<QLineEdit*>(w)) {
    if (line->isReadOnly()) return;
    line->insert(ToQString(text));
    UserEdited();
  } else if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) {
    if (multi->isReadOnly()) return;
    multi->insertPlainText(ToQString(text));  // textChanged reports the change
  }
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
  QWidget* w = GetWidget();
  if (auto* line = dynamic_cast<QLineEdit*>(w)) line->setReadOnly(readOnly != FALSE);
  else if (auto* multi = dynamic_cast<QPlainTextEdit*>(w)) multi->setReadOnly(readOnly != FALSE);
  else return FALSE;
  if (readOnly) m_dwStyle |= ES_READONLY;
  else m_dwStyle &= ~ES_READONLY;
  w->update();
  return TRUE;
}

void CEdit::SetPasswordChar(char ch) {
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget()))
    line->setEchoMode(ch == 0 ? QLineEdit::Normal : QLineEdit::Password);
}

int CEdit::GetLineCount() const {
  if (auto* multi = dynamic_cast<QPlainTextEdit*>(GetWidget())) return multi->document()->blockCount();
  return 1;
}

void CEdit::Clear() {
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget())) line->del();
  else if (auto* multi = dynamic_cast<QPlainTextEdit*>(GetWidget())) multi->textCursor().removeSelectedText();
}
void CEdit::Copy() {
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget())) line->copy();
  else if (auto* multi = dynamic_cast<QPlainTextEdit*>(GetWidget())) multi->copy();
}
void CEdit::Cut() {
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget())) line->cut();
  else if (auto* multi = dynamic_cast<QPlainTextEdit*>(GetWidget())) multi->cut();
}
void CEdit::Paste() {
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget())) line->paste();
  else if (auto* multi = dynamic_cast<QPlainTextEdit*>(GetWidget())) multi->paste();
}
BOOL CEdit::Undo() {
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget())) line->undo();
  else if (auto* multi = dynamic_cast<QPlainTextEdit*>(GetWidget())) multi->undo();
  return TRUE;
}
BOOL CEdit::CanUndo() const {
  if (auto* line = dynamic_cast<QLineEdit*>(GetWidget())) return line->isUndoAvailable();
  if (auto* multi = dynamic_cast<QPlainTextEdit*>(GetWidget())) return multi->document()->isUndoAvailable();
  return FALSE;
}

void CEdit::OnSetFocus(CWnd* oldWnd) {
  NotifyParent(EN_SETFOCUS);
  if (GetWidget()) GetWidget()->update();  // the parent may colour the focused edit differently
  CWnd::OnSetFocus(oldWnd);
}

void CEdit::OnKillFocus(CWnd* newWnd) {
  NotifyParent(EN_KILLFOCUS);
  if (GetWidget()) GetWidget()->update();
  CWnd::OnKillFocus(newWnd);
}

void CEdit::ApplyCtlColors() {
  CWnd* parent = GetParent();
  QWidget* w = GetWidget();
  if (!parent || !w) return;
  const bool readOnly = (m_dwStyle & ES_READONLY) != 0 || !w->isEnabled();
  CDC dc;
  dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
  dc.SetBkColor(GetSysColor(readOnly ? COLOR_BTNFACE : COLOR_WINDOW));
  auto brush = reinterpret_cast<HBRUSH>(parent->SendMessage(readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                            reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(m_hWnd)));
  QPalette palette = w->palette();
  const QColor base = brush != nullptr ? ToQColor(brush->GetColor()) : ToQColor(GetSysColor(readOnly ? COLOR_BTNFACE : COLOR_WINDOW));
  const QColor text = ToQColor(dc.GetTextColor());
  if (palette.color(QPalette::Base) != base || palette.color(QPalette::Text) != text) {
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    w->setPalette(palette);
  }
}
