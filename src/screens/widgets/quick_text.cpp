#include "screens/widgets/quick_text.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHash>

#include <bitset>

namespace korvel {

namespace {

struct Kept {
    QFont asciiFont; // the font `inside` was worked out for
    bool asciiReady = false;
    std::bitset<128> inside;
    QFont layoutFont; // the font of the kept layouts
    QHash<QString, QStaticText> layouts;
};

Kept& Kept_Texts() {
    static Kept kept;
    static const bool dropAtExit = [] {
        // Fonts and layouts hold the application's font engines: they go before it does.
        qAddPostRoutine([] { Kept_Texts() = Kept(); });
        return true;
    }();
    Q_UNUSED(dropAtExit);
    return kept;
}

constexpr qsizetype Most_Layouts = 4096;

} // namespace

bool Plain_Ascii_Within_Line(const QString& text, const QFont& font) {
    Kept& kept = Kept_Texts();
    if (!kept.asciiReady || font != kept.asciiFont) {
        const QFontMetrics metrics(font);
        kept.inside.reset();
        kept.inside[u' '] = true;
        for (char16_t ch = u'!'; ch < 0x7F; ++ch) {
            const QRect glyph = metrics.boundingRect(QChar(ch));
            kept.inside[ch] = glyph.top() > -metrics.ascent() &&
                              glyph.top() + glyph.height() <= metrics.descent() - 2;
        }
        kept.asciiFont = font;
        kept.asciiReady = true;
    }
    for (const QChar ch : text)
        if (ch.unicode() >= 128 || !kept.inside[ch.unicode()]) return false;
    return true;
}

QStaticText Laid_Out(const QString& text, const QFont& font) {
    Kept& kept = Kept_Texts();
    if (font != kept.layoutFont || kept.layouts.size() >= Most_Layouts) {
        kept.layouts.clear();
        kept.layoutFont = font;
    }
    const auto found = kept.layouts.constFind(text);
    if (found != kept.layouts.constEnd()) return *found;
    QStaticText laidOut(text);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut.prepare(QTransform(), font);
    kept.layouts.insert(text, laidOut);
    return laidOut;
}

} // namespace korvel
