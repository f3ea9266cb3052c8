#include "kinetra/report_focus.h"

#include "kinetra/form_layout.h"

namespace kinetra {
namespace {

// A box's accessible name is its row's caption, then ": " and the part of
// the row when the row holds several boxes ("Ruedas: perfil").
QString BoxCalled(QStringView caption, QStringView part)
{
    // The form's own boxes, then those the program adds (the car's limits).
    for (const std::span<const ControlEntry> controls : {FormControls(), AddedControls()}) {
        for (const ControlEntry& entry : controls) {
            if (entry.kind != ControlKind::TextBox) {
                continue;
            }
            const QStringView name = entry.accessibleName;
            const bool sameRow =
                name == caption || (name.startsWith(caption) && name.mid(caption.size()).startsWith(u": "));
            if (sameRow && (part.isEmpty() || name.mid(caption.size() + 2) == part)) {
                return entry.name.toString();
            }
        }
    }
    return {};
}

} // namespace

QString BoxNamedByReport(QStringView report)
{
    qsizetype open = report.indexOf(u'«');
    while (open >= 0) {
        const qsizetype close = report.indexOf(u'»', open + 1);
        if (close < 0) {
            break;
        }
        const QStringView caption = report.sliced(open + 1, close - open - 1);
        QStringView part;
        if (const QStringView after = report.sliced(close + 1); after.startsWith(u" (")) {
            if (const qsizetype end = after.indexOf(u')'); end > 2) {
                part = after.sliced(2, end - 2);
            }
        }
        QString box = BoxCalled(caption, part);
        if (box.isEmpty() && !part.isEmpty()) {
            box = BoxCalled(caption, {}); // "(…)" was a remark, not a part of the row
        }
        if (!box.isEmpty()) {
            return box;
        }
        open = report.indexOf(u'«', close + 1);
    }
    return {};
}

} // namespace kinetra
