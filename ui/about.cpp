#include "ui/about.h"

#include <QMessageBox>
#include <QStringList>

QString aboutText() {
    return QStringList{
        QStringLiteral("Thank you for viewing the credits."),
        QString(),
        QStringLiteral(
            "Thanks goes out to all the beta testers who've helped make this game possible."),
        QStringLiteral("Zarvo Cycles is a duel of fast cycles that leave solid trails behind them: "
                       "box in your rivals and be the last one still riding."),
        QString(),
        QStringLiteral("Please report any problems with the game to bugs@zarvo-cycles.example."),
        QStringLiteral("Visit https://zarvo-cycles.example for news and updates."),
        QString(),
        QStringLiteral("Zarvo Cycles \u00A9 2026 the Zarvo Cycles authors. All rights reserved."),
    }
        .join(QStringLiteral("\r\n"));
}

std::unique_ptr<QMessageBox> makeAboutBox(QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("About Zarvo Cycles"),
                                      aboutText(), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void mnuAbout_Click(QWidget* parent) {
    makeAboutBox(parent)->exec();
}
