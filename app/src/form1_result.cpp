#include "form1_shared.h"
#include "kinetra/details_window.h"
#include "kinetra/form1.h"
#include "kinetra/performance_window.h"
#include "kinetra/result_notes.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

// What a screen reader calls the result: the frame's caption, then the
// sentence.
QString ResultName(const QString& sentence)
{
    return sentence.isEmpty() ? u"Resultados"_s : u"Resultados: "_s + sentence.trimmed();
}

// The object that tells screen readers of a new result. Without pixels or
// focus, it is a notification: screen readers speak one as it appears,
// wherever the focus is, whereas the result label's change of name is heard
// only while the label has the focus.
constexpr QStringView kResultAnnouncement = u"ResultAnnouncement";

// The announcement, to screen readers.
QAccessibleInterface* ResultAccessible(const QString& className, QObject* object)
{
    if (className == u"QWidget"_s && object->objectName() == kResultAnnouncement) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

// The result, Label31, and what goes with it: the notes under it and the
// notification that tells screen readers of it.
void Form1::BuildResult()
{
    QAccessible::installFactory(ResultAccessible);

    result_ = findChild<QLabel*>(u"Label31"_s);
    result_->setAccessibleName(ResultName(QString()));
    // The sentence is longer than one line of the frame.
    result_->setWordWrap(true);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // People paste the result into their reports: it can be selected and
    // copied, by mouse or keyboard, with a context menu. It is reached by a
    // click or by Alt+R, not by Tab, which keeps to the form's own stops.
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    result_->setFocusPolicy(Qt::ClickFocus);
    // A label offers a menu only for links: the result brings its own.
    result_->setContextMenuPolicy(Qt::CustomContextMenu);

    resultAnnouncement_ = new QWidget(result_->parentWidget());
    resultAnnouncement_->setObjectName(kResultAnnouncement.toString());
    resultAnnouncement_->setFocusPolicy(Qt::NoFocus);
    resultAnnouncement_->setGeometry(0, 0, 0, 0);
    resultAnnouncement_->hide();
    notes_ = new ResultNotes(result_->parentWidget());
}

// The result's context menu, as a text box's read-only one: copy what is
// selected, select the whole sentence.
void Form1::ShowResultMenu(QPoint at)
{
    auto* menu = new QMenu(result_);
    menu->setObjectName(u"ResultMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy =
        menu->addAction(u"&Copiar"_s, this, [this] { QGuiApplication::clipboard()->setText(result_->selectedText()); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(result_->hasSelectedText());
    QAction* all = menu->addAction(u"Seleccionar &todo"_s, this, [this] {
        result_->setFocus(Qt::PopupFocusReason);
        result_->setSelection(0, static_cast<int>(result_->text().size()));
    });
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!result_->text().isEmpty());
    menu->popup(result_->mapToGlobal(at));
}

// Alt+R, the mnemonic of "Resultados", takes the focus to the result with the
// whole sentence selected, ready to copy.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // A box would take a dropped file for text: a car file opens instead.
    const QEvent::Type type = event->type();
    if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) && TakeFileDrop(event)) {
        return true;
    }
    if (event->type() == QEvent::Shortcut && watched == result_->parentWidget()) {
        result_->setFocus(Qt::ShortcutFocusReason);
        result_->setSelection(0, static_cast<int>(result_->text().size()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::ShowResult(const QString& sentence, const QStringList& noteList)
{
    const QString notes = noteList.join(u' ');
    const bool renamed = result_->accessibleName() != ResultName(sentence);
    result_->setText(sentence);
    result_->setAccessibleName(ResultName(sentence));
    // Placed under the sentence as it now wraps.
    staleNotes_.clear();
    notes_->ShowStale(staleNotes_, *result_);
    notes_->Show(noteList, *result_);
    // A result label that has the focus is read out again when its name
    // changes; the notification then adds only what the name lacks, so that
    // nothing is heard twice. The same sentence again is no change of name.
    const QString whole = notes.isEmpty() ? sentence.trimmed() : sentence.trimmed() + u' ' + notes;
    const QString told = result_->hasFocus() && renamed ? notes : whole;
    if (!told.isEmpty()) {
        Announce(told);
    }
}

void Form1::Announce(const QString& text)
{
    // Shown again, the notification is spoken again, once per text.
    resultAnnouncement_->hide();
    resultAnnouncement_->setAccessibleName(text);
    resultAnnouncement_->show();
}

void Form1::AddStaleNote(const QString& note)
{
    if (result_->text().isEmpty()) {
        return;
    }
    // The sheet may have been made from the boxes after the result went
    // stale: it learns of every later change, not only the first.
    if (performanceWindow_ != nullptr) {
        performanceWindow_->SetStaleNote(note);
    }
    if (staleNotes_.contains(note)) {
        return;
    }
    staleNotes_.append(note);
    notes_->ShowStale(staleNotes_, *result_);
    if (detailsWindow_ != nullptr) {
        detailsWindow_->SetStaleNote(staleNotes_.join(u' '));
    }
    Announce(note);
}

} // namespace kinetra
