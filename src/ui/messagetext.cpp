#include "messagetext.h"

namespace {

QString breakable(const QString &run)
{
    QString result;
    result.reserve(run.size() + run.size() / 8);
    int sinceBreak = 0;
    for (const QChar c : run) {
        result += c;
        ++sinceBreak;
        if (c == QLatin1Char('/') || sinceBreak >= MessageText::kMaxSegment) {
            result += MessageText::kBreak;
            sinceBreak = 0;
        }
    }
    return result;
}

QString shortened(const QString &run)
{
    const int keep = (MessageText::kMaxRun - 1) / 2;
    return run.left(keep) + QChar(0x2026) + run.right(keep);
}

} // namespace

MessageText::Shaped MessageText::forBox(const QString &text)
{
    Shaped shaped;
    shaped.text.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at].isSpace()) {
            shaped.text += text[at++];
            continue;
        }
        qsizetype end = at;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        QString run = text.mid(at, end - at);
        if (run.size() > kMaxRun) {
            run = shortened(run);
            shaped.shortened = true;
        }
        shaped.text += run.size() >= kBreakableRun ? breakable(run) : run;
        at = end;
    }
    return shaped;
}
