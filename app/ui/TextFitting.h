#pragma once
// The forms place their controls at fixed pixel positions. Where the platform's font is
// too wide for some caption at its place, the whole form gets a narrower font (and, as a
// last resort, a smaller one) until every caption fits: no text is cut off, and the form
// keeps one font throughout.

class QWidget;

namespace vortalin {

// Whether the caption of a label, button or group box fits inside the control.
bool CaptionFits(const QWidget& control);

// Narrows the font of the form (and of everything in it) until every caption fits.
void FitCaptions(QWidget& form);

} // namespace vortalin
