#pragma once

#include <QString>

// A message box's text made fit for a box on the screen. A box wraps its text at blanks, and a
// long path has none: a link to a path of thousands of characters made the box wider than the
// screen and put its OK button out of reach. Long runs without a blank get places to break (after
// each '/', and at least every kMaxSegment characters), and a run too long to show whole keeps
// its start and its end around an ellipsis; the box then offers the whole text as its details.
class MessageText
{
public:
    // A run of this many characters or more gets places to break.
    static constexpr int kBreakableRun = 40;
    // No stretch without a place to break is longer than this.
    static constexpr int kMaxSegment = 40;
    // A longer run is shortened in its middle to this many characters.
    static constexpr int kMaxRun = 240;

    struct Shaped
    {
        QString text;
        // Something was left out: show `text`, and the original as details.
        bool shortened = false;
    };

    static Shaped forBox(const QString &text);

    // The invisible character a line may break at.
    static constexpr QChar kBreak = QChar(0x200b);
};
