#pragma once

#include <QScrollArea>
#include <QStringList>

class QLabel;

namespace kinetra {

// What a calculation read differently from what was typed, one note a line,
// under the result sentence and inside its box; a long list scrolls there,
// with the arrow keys too once Tab has reached it. Above the notes, in bold,
// what makes the result no longer current, while something does. Hidden
// while there is neither.
class ResultNotes : public QScrollArea {
    Q_OBJECT

public:
    explicit ResultNotes(QWidget* parent);

    // Shows `notes` under the sentence that `sentence` holds as it now wraps.
    void Show(const QStringList& notes, const QLabel& sentence);

    // Shows `stale`, one line a reason, above the notes; empty: none.
    void ShowStale(const QStringList& stale, const QLabel& sentence);

private:
    void Place(const QLabel& sentence);

    QLabel* stale_ = nullptr;
    QLabel* text_ = nullptr;
};

} // namespace kinetra
