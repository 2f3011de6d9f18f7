// Turns one help page (HTML with images beside it) into the PDF the program opens.
//   helpdoc <page.html> <output.pdf>
// Runs at build time on Qt's offscreen platform: no office suite, no network.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "helpdoc: %s\n", qPrintable(message));
    return 1;
}

// A picture the page names but the folder lacks would print as an empty box.
QStringList missingImages(const QTextDocument& document, const QDir& folder)
{
    QStringList missing;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (!QFileInfo::exists(folder.filePath(name)))
                missing << name;
        }
    }
    return missing;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Should the page layout ever fail to finish, the build fails instead of hanging.
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(120));
        std::fprintf(stderr, "helpdoc: the page layout did not finish\n");
        std::_Exit(2);
    }).detach();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: helpdoc <page.html> <output.pdf>"));

    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(args[1]));
    const QString html = QString::fromUtf8(source.readAll());
    const QDir folder = QFileInfo(args[1]).absoluteDir();

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(folder.absolutePath() + u'/'));
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    document.setHtml(html);
    const QStringList missing = missingImages(document, folder);
    if (!missing.isEmpty())
        return fail(QStringLiteral("%1 names missing pictures: %2").arg(args[1], missing.join(u' ')));

    // print() lays out a copy of the document, which finds its pictures from the current
    // folder rather than from the base address.
    const QString outputPath = QFileInfo(args[2]).absoluteFilePath();
    QDir::setCurrent(folder.absolutePath());

    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(outputPath));
    {
        QPdfWriter writer(&output);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Tessaprint"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
        // print() adds its own 2 cm margin around the page.
        document.print(&writer);
    }
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1").arg(outputPath));
    return 0;
}
