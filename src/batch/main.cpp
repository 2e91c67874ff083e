// vexa-batch: the colour method of VEXA for whole files of samples.
#include <CLI/CLI.hpp>

#include <QGuiApplication>

#include <iostream>
#include <string>

#include "batch/commands.h"

namespace {

// Qt's own notes (no runtime directory, and the like) say nothing to the
// user of a command-line program; only its failures are passed on.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "vexa-batch: " << message.toStdString() << '\n';
}

// Pictures are drawn without a display.
int withGui(int argc, char* argv[], const auto& run)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(argc, argv);
    return run();
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace vexa;

    CLI::App app{"Colour of wines and brandies from four absorbances, for whole files of samples.\n"
                 "Every figure is the one the VEXA window shows for the same input.",
                 "vexa-batch"};
    app.set_version_flag("--version", std::string("vexa-batch ") + VEXA_VERSION);
    app.require_subcommand(1);
    app.footer("Exit status: 0 success, 1 some rows failed (--keep-going), 2 nothing written.\n"
               "See vexa-batch(1).");

    RunFiles files;
    ComputeOptions computeOptions;

    CLI::App* compute = app.add_subcommand("compute", "Compute the colour of every sample of a CSV file");
    compute->footer("IN.csv: a header row naming the columns name (optional), pathlength_mm, wine (red, rose,\n"
                    "white or brandy), A450, A520, A570 and A630, in any order; then one sample a row.\n"
                    "Output: name, X, Y, Z, L*, C*, h, a*, b* as the VEXA window's results grid shows them.\n"
                    "With ';' between fields numbers carry a decimal comma, with ',' a decimal point.\n"
                    "Exit status: 0 success, 1 some rows failed (--keep-going), 2 nothing written.");
    compute->add_option("IN", files.input, "Sample file (CSV; - reads standard input)")->required();
    compute->add_option("-o,--output", files.output,
                        "OUT.csv, or OUT.qrl for a results file the window opens (at most 50 samples); "
                        "default: CSV to standard output");
    compute->add_flag("--full", computeOptions.fullPrecision,
                      "Write 17 significant digits instead of the grid's cell texts");
    compute->add_flag("--keep-going", computeOptions.keepGoing,
                      "Write every good row, and an error column for rows that fail; exit status 1 if any did");
    compute
        ->add_option("--reference", computeOptions.reference,
                     "Add the columns dE76 and dE00: each sample's colour difference from the sample NAME")
        ->type_name("NAME");
    compute->add_flag("--swatch", computeOptions.swatch, "Add the column swatch: the sample's sRGB colour as #RRGGBB");

    CLI::App* convert = app.add_subcommand("convert", "Convert a results file (.qrl) to CSV, or a results CSV to .qrl");
    convert->add_option("IN", files.input, "IN.qrl, or a results CSV (name, X, Y, Z, L*, C*, h, a*, b*)")->required();
    convert->add_option("-o,--output", files.output, "OUT.csv for IN.qrl, OUT.qrl for IN.csv")->required();
    convert->footer("The cell texts pass unchanged, so qrl -> csv -> qrl gives back the same bytes.\n"
                    "Exit status: 0 success, 2 nothing written.");

    CLI::App* chart =
        app.add_subcommand("chart", "Draw the a*-b* chart and the L* scale with the samples marked, as PNG");
    chart->footer("The samples (at most 50) are marked by their row numbers, as the window marks them: computed\n"
                  "samples at their computed values, those of results files from their L*, a* and b* texts.\n"
                  "Exit status: 0 success, 2 nothing written.");
    chart->add_option("IN", files.input, "Sample file (CSV), results CSV or results file (.qrl)")->required();
    chart->add_option("-o,--output", files.output, "Picture OUT.png")->required();

    CLI::App* sheet =
        app.add_subcommand("sheet", "Write the printed results sheet as a one-page PDF, the file's name in its title");
    sheet->add_option("IN", files.input, "Sample file (CSV), results CSV or results file (.qrl)")->required();
    sheet->add_option("-o,--output", files.output, "OUT.pdf")->required();
    sheet->footer("At most 50 samples, one grid's worth. Exit status: 0 success, 2 nothing written.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "vexa-batch: " << e.what() << "\nRun 'vexa-batch --help' for the commands.\n";
        return kExitFailure;
    }

    if (compute->parsed())
        return runCompute(files, computeOptions, std::cout, std::cerr);
    if (convert->parsed())
        return runConvert(files, std::cerr);
    if (chart->parsed())
        return withGui(argc, argv, [&] { return runChart(files, std::cerr); });
    if (sheet->parsed())
        return withGui(argc, argv, [&] { return runSheet(files, std::cerr); });
    return kExitFailure;
}
