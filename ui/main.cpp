#include "art_resources.h"
#include "ui/arena_view.h"
#include "ui/frmMain.h"
#include "ui/main_layout.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdint>
#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zarvo Cycles"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(ZARVO_VERSION_MAJOR).arg(ZARVO_VERSION_MINOR));
    QApplication::setWindowIcon(ArtResources::icon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zarvo Cycles, an arcade race of cycles that leave solid trails."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption seedOption(QStringLiteral("seed"),
                                  QStringLiteral("Fixed random seed, for reproducible matches."),
                                  QStringLiteral("N"));
    seedOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(seedOption);
    parser.process(app);

    std::optional<std::uint64_t> seed;
    if (parser.isSet(seedOption)) {
        bool ok = false;
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) {
            std::fputs("zarvo-cycles: --seed needs a whole number.\n", stderr);
            return 1;
        }
    }

    frmMain window(seed);
    window.show();
    // Without a window manager the window is never active until asked, and its shortcuts and
    // access keys would do nothing.
    window.activateWindow();
    window.controls().picField->setFocus();
    return QApplication::exec();
}
