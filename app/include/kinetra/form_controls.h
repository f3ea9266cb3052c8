#pragma once

#include "kinetra/form_layout.h"

#include <QMargins>
#include <QRect>

class QFontMetrics;
class QLineEdit;
class QWidget;

namespace kinetra {

// How an entry of the form becomes a widget of the toolkit, and the sizes
// the fit to the desktop needs to know of them.

bool TakesFocus(ControlKind kind);

// The widget for `entry`, with its caption, in `parent`.
QWidget* MakeControl(const ControlEntry& entry, QWidget* parent);

// Where the control stands when a twip takes `pixelsPerTwip` pixels.
QRect Geometry(const ControlEntry& entry, double pixelsPerTwip);

// How far from the control's left edge its caption reaches with `metrics`.
int CaptionExtent(const ControlEntry& entry, const QWidget& control, const QFontMetrics& metrics, double pixelsPerTwip);

// A control that cannot be used takes no focus, and does not tell screen
// readers that it could.
void SetOpen(QWidget& control, bool open, bool takesFocus);

// How much taller a text box is than the line of text it shows: its frame
// and margins, which do not grow with the font.
int TextBoxFrameHeight(const QLineEdit& box);

// Room for the window manager's frame, which is not known until the window
// is shown: the style's own title bar and border stand in for it.
QMargins FrameAllowance(const QWidget& window);

} // namespace kinetra
