#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPreview.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

PreviewDocument lyingPages(int count)
{
    PreviewDocument document;
    for (int page = 1; page <= count; ++page) {
        PreviewPage p;
        p.geometry = {792, 612, false};
        PlacedText run;
        run.page = page;
        run.text = QStringLiteral("Page %1").arg(page);
        p.runs.push_back(run);
        p.outlines.push_back(QRectF(36, 36, 100, 50));
        document.pages.push_back(p);
    }
    return document;
}

} // namespace

TEST(QtPreview, TheDialogShowsEveryPageAsItLiesAndOffersNoWayToPrintOrRelayIt)
{
    QtPlatform platform;
    int pages = -1;
    bool lying = false;
    QStringList visible;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        pages = preview->pageCount();
        lying = preview->orientation() == QPageLayout::Landscape;
        for (QAction* action : dialog->findChildren<QAction*>())
            if (action->isVisible() && !action->text().isEmpty())
                visible << action->text();
        dialog->reject();
    });
    platform.showPreview(lyingPages(3));
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(lying);
    for (const char* caption : {"Print", "Page setup", "Portrait", "Landscape"})
        EXPECT_FALSE(visible.contains(QLatin1String(caption))) << caption;
    EXPECT_TRUE(visible.contains(QStringLiteral("Next page"))) << visible.join(u',').toStdString();
}

TEST(QtPreview, EveryButtonThatWouldPrintOrRelayThePagesIsFound)
{
    QPrinter printer;
    QPrintPreviewDialog dialog(&printer);
    EXPECT_EQ(hideLayoutActions(dialog), 4);
}
