// korvel_helpdoc: builds one help document, written in Markdown, into the PDF that the
// help viewer shows.
//
//   korvel_helpdoc SOURCE.md OUTPUT.pdf TITLE
//
// Needs fonts but no display: run it with QT_QPA_PLATFORM=offscreen.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "korvel_helpdoc: %s\n", qPrintable(message));
    return 1;
}

QFont Body_Font() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10.5);
    return font;
}

// Markdown tables come without padding or rules; give them room and thin lines.
void Style_Tables(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setBorder(1);
        format.setBorderBrush(QColor(0x80, 0x80, 0x80));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        table->setFormat(format);
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4)
        return Fail(QStringLiteral("usage: korvel_helpdoc SOURCE.md OUTPUT.pdf TITLE"));
    const QString sourceName = args[1];
    const QString outputName = args[2];

    QFile source(sourceName);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(sourceName + QStringLiteral(": ") + source.errorString());
    const QString markdown = QString::fromUtf8(source.readAll());
    if (markdown.trimmed().isEmpty()) return Fail(sourceName + QStringLiteral(": empty document"));

    if (!QDir().mkpath(QFileInfo(outputName).absolutePath()))
        return Fail(outputName + QStringLiteral(": cannot create its folder"));
    QFile::remove(outputName); // a failed run must not leave an old document looking new

    QTextDocument document;
    document.setDefaultFont(Body_Font());
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    Style_Tables(document);
    {
        QPdfWriter writer(outputName);
        writer.setTitle(args[3]);
        writer.setCreator(QStringLiteral("Korvel"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(300);
        // QTextDocument::print adds its own margins and the page numbers.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        document.print(&writer);
    } // the PDF is complete once the writer is gone

    if (QFileInfo(outputName).size() == 0)
        return Fail(outputName + QStringLiteral(": not written"));
    return 0;
}
