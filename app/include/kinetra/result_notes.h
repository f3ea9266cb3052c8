#pragma once

#include <QScrollArea>
#include <QStringList>

class QLabel;

namespace kinetra {

// What a calculation read differently from what was typed, one note a line,
// under the result sentence and inside its box; a long list scrolls there,
// with the arrow keys too once Tab has reached it. Hidden while there are no
// notes.
class ResultNotes : public QScrollArea {
    Q_OBJECT

public:
    explicit ResultNotes(QWidget* parent);

    // Shows `notes` under the sentence that `sentence` holds as it now wraps.
    void Show(const QStringList& notes, const QLabel& sentence);

    QString text() const;

private:
    QLabel* text_ = nullptr;
};

} // namespace kinetra
