#include "app/SheetView.h"
#include "app/frmLDeded.h"
#include "bench/BenchPlatform.h"
#include "bench/BenchSupport.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <stdexcept>

namespace bench {

namespace {

// The bench's dialogs, with the program's own preview printer under the sheet.
class SheetPlatform : public BenchPlatform {
public:
    QString position;
    QString inputBox(const QString&, const QString&, const QString&) override { return position; }
    std::unique_ptr<PrinterDevice> previewPrinter() override { return QtPlatform().previewPrinter(); }
};

// One key typed into line 1 of the composer until the sheet is painted again: the long-line
// hint, the picture drawn by the print code, and its paint. The fullest sheet: all 30 labels,
// centred, one line too long for them.
void BM_SheetRedraw(benchmark::State& state)
{
    SheetPlatform platform;
    platform.position = QStringLiteral("1-30");
    frmLDeded window(platform);
    window.show();
    QApplication::processEvents();
    const auto lines = {"txtLMLine1", "txtLMLine2", "txtLMline3", "txtLMLine4"};
    const QStringList texts{QStringLiteral("Alexandra Montgomery-Smith"), QStringLiteral("1234 Wintergreen Avenue"),
                            QStringLiteral("Building 7, Suite 4100, Attn: Receiving Dock"),
                            QStringLiteral("Springfield, IL 62704")};
    int i = 0;
    for (const char* name : lines)
        window.findChild<QLineEdit*>(QLatin1String(name))->setText(texts[i++]);
    window.findChild<QRadioButton*>(QStringLiteral("optLMCenter"))->click();
    window.findChild<QRadioButton*>(QStringLiteral("optLMLabel"))->click();
    auto* line = window.findChild<QLineEdit*>(QStringLiteral("txtLMLine1"));
    auto* sheet = window.findChild<SheetView*>(QStringLiteral("picLMSheet"));
    line->setFocus();
    QApplication::processEvents();
    if (sheet->picture().firstChosen != 1 || sheet->picture().lastChosen != 30 || sheet->picture().marks.empty())
        throw std::runtime_error("the sheet does not show the 30 labels with a long line");

    bool typed = false;
    measure(state, "Sheet redrawn after a keystroke", Goal{Baseline::None, 0, 0.010}, {}, [&] {
        // A letter, then its deletion: the line changes at every keystroke.
        QKeyEvent key(QEvent::KeyPress, typed ? Qt::Key_Backspace : Qt::Key_X, Qt::NoModifier,
                      typed ? QString() : QStringLiteral("x"));
        QApplication::sendEvent(line, &key);
        typed = !typed;
        sheet->repaint();
    });
}
BENCHMARK(BM_SheetRedraw)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace

} // namespace bench
