#include "fuzzcheck.h"

#include "common/highlightlinkline.h"
#include "engine/anchorcase.h"
#include "engine/highlight.h"
#include "engine/menublock.h"
#include "engine/ownentry.h"
#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/runs.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

#include <QStringList>

// The page transformations: arbitrary bytes through the page decoder, arbitrary texts
// through every rewrite, and generated pages through a whole conversion and restore cycle.

using namespace quillet;
using quillet::fixtures::HighlightLinkLine;
using quillet::fuzz::consumeText;
using quillet::fuzz::consumeTextFrom;
using quillet::fuzz::require;

namespace {

const QString crlf = QStringLiteral("\r\n");

// Saving a page that nothing changed must give back the very same bytes.
void checkDecodeRoundTrip(const QByteArray& bytes)
{
    const PageRead read = decodePage(bytes);
    if (!read.ok)
        return;
    const PageBytes again = encodePage(read.page.text, read.page.format);
    require(again.ok, "a decoded page encodes again");
    require(again.bytes == bytes, "a decoded page encodes to the bytes it came from");
}

QString consumeColour(FuzzedDataProvider& data)
{
    if (data.ConsumeBool())
        return {};
    return QStringLiteral("#%1")
        .arg(data.ConsumeIntegralInRange<uint>(0, 0xFFFFFF), 6, 16, QLatin1Char('0'))
        .toUpper();
}

QString consumePath(FuzzedDataProvider& data)
{
    const QString name = consumeText(data, 40);
    switch (data.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        return QStringLiteral("/site/") + name;
    case 1:
        return name; // no folder, so no file name either
    default:
        return {};
    }
}

void checkAnchorCase(const QString& text)
{
    const QString lowered = applyAnchorCaseRule(text);
    require(!lowered.contains(u"<A") && !lowered.contains(u"</A"), "no upper-case anchor is left");
    require(lowered.size() == text.size(), "the anchor case rule keeps the length");
    require(applyAnchorCaseRule(lowered) == lowered, "the anchor case rule is idempotent");
}

void checkMenuBlock(const QString& page)
{
    const QString block = GetMenuBlock(page);
    if (block.isEmpty())
        return;
    require(page.contains(block), "the menu block is a piece of the page");
    const QChar last = block.back();
    require(last != u' ' && last != u'\t' && last != u'\u3000' && last != u'\r' && last != u'\n',
            "the menu block has no trailing blank");
}

void checkPreparedMenu(const QString& menu)
{
    const PreparedMenuText prepared = PrepareMenuText(menu);
    require(prepared.escaped.isEmpty() == prepared.cleaned.isEmpty(),
            "only an empty menu is stored empty");
    require(!prepared.cleaned.startsWith(crlf) && !prepared.cleaned.endsWith(crlf),
            "the prepared menu has no leading or trailing line break");
    require(!prepared.escaped.contains(u'<') && !prepared.escaped.contains(u'>'),
            "the stored menu holds no angle bracket");
    if (!prepared.cleaned.contains(u"&lt;") && !prepared.cleaned.contains(u"&gt;"))
        require(unescapeMenuText(prepared.escaped) == prepared.cleaned,
                "the stored menu reads back as the prepared one");
}

void checkHighlight(const QString& page, const QString& menu, const QString& path,
                    const QString& colour)
{
    const SiteLayout site({path});
    const OwnEntry entry = FindOwnEntry(page, menu, path, site);
    const std::optional<QString> highlighted = HighlightFileLink(page, menu, path, colour, site);
    if (entry.state != LinkState::Plain) {
        require(!highlighted, "only a plain own entry is highlighted");
        return;
    }
    if (!highlighted)
        return; // a link the highlight would hide the text of
    require(highlighted->size() > page.size(), "highlighting a plain own entry adds to the page");
    require(CleanHighlight(*highlighted) == CleanHighlight(page),
            "the highlight comes off exactly");
    require(!HighlightFileLink(*highlighted, menu, path, colour, site),
            "a highlighted entry is never highlighted again");
}

void checkRuns(const QString& page, const QString& path, const RunSettings& settings)
{
    require(CleanHighlight(page).size() <= page.size(),
            "removing a highlight never adds to the page");
    const ConvertedText converted = convertPageText(page, settings);
    const RestoredText restored = restorePageText(page, path, settings);
    if (checkRunSettings(settings))
        return; // the runs refuse these settings before touching a page
    if (!converted.converted) {
        require(converted.text == CleanHighlight(page), "a page not converted is only cleaned");
    } else {
        require(converted.text.contains(settings.replacement), "a converted page holds the tag");
        const RestoredText plain = restorePageText(converted.text, QString(), settings);
        require(plain.kind == RestoreKind::Restored, "a converted page is restored");
        require(plain.text.contains(settings.menuText), "a restored page holds the menu");
        const RestoredText own = restorePageText(converted.text, path, settings);
        require(own.kind == RestoreKind::Restored, "a converted page is restored with its path");
        require(own.text.size() >= plain.text.size(), "a highlight only adds to the page");
    }
    switch (restored.kind) {
    case RestoreKind::NotRestored:
        require(restored.text == page, "a page not restored is left alone");
        break;
    case RestoreKind::LinkCorrected:
        require(restored.text.size() > page.size(), "a corrected link adds to the page");
        break;
    case RestoreKind::Restored:
        require(page.contains(settings.replacement), "only a page with the tag is restored");
        break;
    }
}

// A text written in either line-end form reads back as the same text (the BOM settles the
// encoding). Only LF breaks and no CR at all is a text that no file gives back: reading takes
// such a file for an LF-only one.
void checkWrittenTextReadsBack(const QString& text)
{
    if (text.contains(u'\n') && !text.contains(u'\r'))
        return;
    for (const bool lf : {false, true}) {
        const PageFormat format{PageEncoding::Utf8WithBom, lf};
        const PageBytes bytes = encodePage(text, format);
        require(bytes.ok, "a UTF-8 text encodes");
        const PageRead read = decodePage(bytes.bytes);
        require(read.ok && read.page.text == text, "a written text reads back as written");
    }
}

void checkArbitraryTexts(FuzzedDataProvider& data)
{
    const QString page = consumeText(data, 4000);
    const QString menu = consumeText(data, 1000);
    const QString tagName = consumeText(data, 40);
    const QString tag =
        data.ConsumeBool() ? QStringLiteral("<!--") + tagName + QStringLiteral("-->") : tagName;
    const QString path = consumePath(data);
    const QString colour = consumeColour(data);

    checkAnchorCase(page);
    checkWrittenTextReadsBack(page);
    checkMenuBlock(page);
    checkPreparedMenu(menu);
    checkHighlight(page, menu, path, effectiveLinkColour(colour));
    checkRuns(page, path, RunSettings{menu, tag, colour});
}

// Generated sites: link texts and page text drawn from alphabets that cannot form a
// marker, a tag or a page name, so the result of every step is known exactly.

const QString linkTextAlphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz あいう目次");
const QString bodyAlphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz ,\n");
const QString tagAlphabet = QStringLiteral("ABCabc012 ");

// Page text with CR LF line breaks, as every page has in memory.
QString consumeBodyText(FuzzedDataProvider& data)
{
    return consumeTextFrom(data, bodyAlphabet, 60).replace(u'\n', crlf);
}

QString consumePageName(FuzzedDataProvider& data)
{
    return QStringLiteral("p%1.html").arg(data.ConsumeIntegralInRange<int>(10, 19));
}

QStringList consumeMenuLines(FuzzedDataProvider& data)
{
    QStringList lines;
    const bool list = data.ConsumeBool();
    if (list)
        lines.append(QStringLiteral("<ul>"));
    const int links = data.ConsumeIntegralInRange<int>(1, 6);
    for (int i = 0; i < links; ++i) {
        const QString indent =
            QString(data.ConsumeIntegralInRange<int>(0, 3), data.ConsumeBool() ? u' ' : u'\t');
        lines.append(indent + QStringLiteral("<li><a href=\"") + consumePageName(data) +
                     QStringLiteral("\">") + consumeTextFrom(data, linkTextAlphabet, 12) +
                     QStringLiteral("</a></li>"));
    }
    if (list)
        lines.append(QStringLiteral("</ul>"));
    return lines;
}

// The menu as the restore run should leave it in the page named name.
QString highlightedMenu(QStringList lines, const QString& name, const QString& colour)
{
    for (QString& line : lines) {
        const QString highlighted = HighlightLinkLine(line, name, effectiveLinkColour(colour));
        if (highlighted != line) {
            line = highlighted;
            break;
        }
    }
    return lines.join(crlf);
}

struct SitePage
{
    QString head;
    QString body;
    int breaksBefore = 1;
    int breaksAfter = 1;

    QString around(const QString& menu, int before, int after) const
    {
        return head + menuStartMarker + crlf.repeated(before) + menu + crlf.repeated(after) +
               menuEndMarker + crlf + body;
    }
    QString with(const QString& menu) const { return around(menu, breaksBefore, breaksAfter); }
    QString converted(const QString& tag) const { return around(tag, 1, 1); }
};

void checkEncodingRoundTrip(const QString& text, const PageFormat& format)
{
    const PageBytes bytes = encodePage(text, format);
    require(bytes.ok, "a generated page encodes");
    const PageRead read = decodePage(bytes.bytes);
    require(read.ok && read.page.text == text && read.page.format == format,
            "a generated page reads back as written");
}

void checkWorkingCycle(FuzzedDataProvider& data)
{
    SitePage site;
    site.head = QStringLiteral("<html><body>") + crlf + consumeBodyText(data) + crlf;
    site.body = consumeBodyText(data) + QStringLiteral("</body></html>");
    site.breaksBefore = data.ConsumeIntegralInRange<int>(1, 3);
    site.breaksAfter = data.ConsumeIntegralInRange<int>(1, 3);
    const QString name = consumePageName(data);
    const QString path = QStringLiteral("/site/") + name;
    const QString tag =
        QStringLiteral("<!--") + consumeTextFrom(data, tagAlphabet, 8) + QStringLiteral("-->");
    const QString colour = consumeColour(data);
    const QStringList oldLines = consumeMenuLines(data);
    const QStringList newLines = consumeMenuLines(data);
    const RunSettings oldSettings{oldLines.join(crlf), tag, colour};
    const RunSettings newSettings{newLines.join(crlf), tag, colour};

    const QString original = site.with(highlightedMenu(oldLines, name, colour));
    const ConvertedText converted = convertPageText(original, oldSettings);
    require(converted.converted, "a page with the menu converts");
    require(converted.text == site.converted(tag), "the tag stands alone between the markers");

    const QString expected = site.around(highlightedMenu(newLines, name, colour), 1, 1);
    const RestoredText restored = restorePageText(converted.text, path, newSettings);
    require(restored.kind == RestoreKind::Restored, "a converted page is restored");
    require(restored.text == expected, "the new menu stands between the markers, highlighted");

    const RestoredText again = restorePageText(restored.text, path, newSettings);
    require(again.kind == RestoreKind::NotRestored && again.text == restored.text,
            "restoring twice leaves the page alone");
    const ConvertedText reconverted = convertPageText(restored.text, newSettings);
    require(reconverted.converted && reconverted.text == converted.text,
            "converting a restored page gives the layout of the first conversion");

    const QString plainCopy = site.around(newSettings.menuText, 1, 1);
    const RestoredText corrected = restorePageText(plainCopy, path, newSettings);
    require(corrected.text == expected, "a page with a plain self-link gets the highlight");

    for (const bool lf : {false, true})
        checkEncodingRoundTrip(expected, PageFormat{PageEncoding::ShiftJis, lf});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    checkDecodeRoundTrip(QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size)));
    FuzzedDataProvider data(bytes, size);
    if (data.ConsumeBool())
        checkWorkingCycle(data);
    else
        checkArbitraryTexts(data);
    return 0;
}
