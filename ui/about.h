#pragma once

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

// The nine lines of the About box, joined by CR LF.
QString aboutText();

// The About box ("About Zarvo Cycles", one OK button, no icon), ready to show.
std::unique_ptr<QMessageBox> makeAboutBox(QWidget* parent);

// Shows the modal About box ("About Zarvo Cycles", one OK button, no icon).
void mnuAbout_Click(QWidget* parent);
