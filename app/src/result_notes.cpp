#include "kinetra/result_notes.h"

#include <QLabel>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace kinetra {

ResultNotes::ResultNotes(QWidget* parent) : QScrollArea(parent), text_(new QLabel(this))
{
    setObjectName(u"ResultNotes"_s);
    setFrameShape(QFrame::StyledPanel);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(u"Notas del resultado"_s);
    text_->setObjectName(u"ResultNotesText"_s);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setAutoFillBackground(false);
    setWidget(text_);
    hide();
}

void ResultNotes::Show(const QStringList& notes, const QLabel& sentence)
{
    text_->setText(notes.isEmpty() ? QString() : u"• "_s + notes.join(u"\n• "_s));
    // Screen readers hear a label by its name.
    text_->setAccessibleName(u"Notas del resultado: "_s + notes.join(u' '));
    setVisible(!notes.isEmpty());
    // Under the sentence, within the sentence's box, at least two lines high.
    const QRect box = sentence.geometry();
    const int lineHeight = sentence.fontMetrics().lineSpacing();
    const int sentenceBottom = box.top() + sentence.heightForWidth(box.width()) + lineHeight / 2;
    const int top = std::min(sentenceBottom, box.bottom() + 1 - 2 * lineHeight);
    setGeometry(box.left(), top, box.width(), box.bottom() + 1 - top);
    raise();
}

QString ResultNotes::text() const
{
    return text_->text();
}

} // namespace kinetra
