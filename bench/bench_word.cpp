#include "platform/word/Word.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QChar CR(13);

// The main data window's export: heading, 8 columns, two header rows and 100 appraisal rows,
// table format 9, seven right-aligned columns.
void writeExport(WordApplication &app)
{
    app.setVisible(true);
    WordDocument &doc = app.Documents().Add();
    WordSelection &sel = app.Selection();
    sel.Font().setName(QStringLiteral("Century Gothic"));
    sel.Font().setSize(20);
    sel.TypeText(QStringLiteral("STIMA DI UN'AREA FABBRICABILE") + QString(3, CR));
    sel.Font().setSize(14);
    sel.TypeText(QStringLiteral("Finestra dati") + QString(2, CR));
    sel.Font().setSize(10);
    WordTable t = doc.Tables().Add(doc.Bookmarks().Item(QStringLiteral("\\endofdoc")).Range(), 102, 8);
    const QStringList head = {"numero", "fabbricato", "costi", "redditività", "superficie",
                              "rendimento", "valore area", "valore"};
    const QStringList units = {"", "euro", "euro", "anni", "mq.", "%", "euro", "euro/mq."};
    for (int c = 1; c <= 8; ++c) {
        t.Cell(1, c).Range().setText(head[c - 1]);
        t.Cell(2, c).Range().setText(units[c - 1]);
    }
    for (int r = 3; r <= 102; ++r) {
        t.Cell(r, 1).Range().setText(QStringLiteral(" %1").arg(r - 2));
        for (int c = 2; c <= 8; ++c)
            t.Cell(r, c).Range().setText(QStringLiteral("%1.%2,%3").arg(r * c).arg(r * 7 % 1000, 3, 10, QChar(u'0')).arg(c * 11));
    }
    t.AutoFormat(9);
    for (int c = 2; c <= 8; ++c) {
        doc.Tables().Item(1).Columns().Item(c).Select();
        app.Selection().ParagraphFormat().setAlignment(wdAlignParagraphRight);
    }
}

void BM_ExportSaved(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("-DatiVantegra-Rossi.doc"));
    for (auto _ : state) {
        WordApplication app;
        writeExport(app);
        if (!app.Documents().Item(app.Documents().Count())->SaveAs(name))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_ExportSaved)->Unit(benchmark::kMillisecond);

void BM_ExportPageCount(benchmark::State &state)
{
    WordApplication app;
    writeExport(app);
    WordDocument &doc = *app.ActiveDocument();
    for (auto _ : state) {
        app.Selection().TypeText(QString(CR));   // a change, so that the pages are counted anew
        benchmark::DoNotOptimize(doc.ComputeStatistics(wdStatisticPages));
    }
}
BENCHMARK(BM_ExportPageCount)->Unit(benchmark::kMillisecond);

}   // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WordApplication::setOpenAfterSave(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
