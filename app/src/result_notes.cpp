#include "kinetra/result_notes.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {
namespace {

QLabel* NoteLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAutoFillBackground(false);
    return label;
}

} // namespace

ResultNotes::ResultNotes(QWidget* parent) : QScrollArea(parent)
{
    setObjectName(u"ResultNotes"_s);
    setFrameShape(QFrame::StyledPanel);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(u"Notas del resultado"_s);
    auto* page = new QWidget(this);
    page->setAutoFillBackground(false);
    stale_ = NoteLabel(u"StaleNote"_s, page);
    QFont bold = stale_->font();
    bold.setBold(true);
    stale_->setFont(bold);
    stale_->hide();
    text_ = NoteLabel(u"ResultNotesText"_s, page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stale_);
    layout->addWidget(text_, 1);
    setWidget(page);
    hide();
}

void ResultNotes::Show(const QStringList& notes, const QLabel& sentence)
{
    text_->setText(notes.isEmpty() ? QString() : u"• "_s + notes.join(u"\n• "_s));
    // Screen readers hear a label by its name.
    text_->setAccessibleName(u"Notas del resultado: "_s + notes.join(u' '));
    Place(sentence);
}

void ResultNotes::ShowStale(const QStringList& stale, const QLabel& sentence)
{
    stale_->setText(stale.join(u'\n'));
    stale_->setVisible(!stale.isEmpty());
    Place(sentence);
}

void ResultNotes::Place(const QLabel& sentence)
{
    setVisible(!text_->text().isEmpty() || !stale_->text().isEmpty());
    // Under the sentence, within the sentence's box, at least two lines high.
    const QRect box = sentence.geometry();
    const int lineHeight = sentence.fontMetrics().lineSpacing();
    const int sentenceBottom = box.top() + sentence.heightForWidth(box.width()) + lineHeight / 2;
    const int top = std::min(sentenceBottom, box.bottom() + 1 - 2 * lineHeight);
    setGeometry(box.left(), top, box.width(), box.bottom() + 1 - top);
    raise();
}

} // namespace kinetra
