#pragma once

#include <QString>

// The folder that holds the "sounds" folder for a program in `programFolder`: the program's own
// folder when "sounds" lies beside it (a build), else the installed data folder
// <programFolder>/../share/zarvo-cycles. No trailing separator; a sound file's path is this
// followed by "/sounds/<name>.wav".
QString soundFilesRoot(const QString& programFolder);
