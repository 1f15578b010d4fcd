#pragma once

#include <QString>

// The help pages live in the folder help/ of the application folder, one HTML page per topic
// plus index.htm.

QString HelpFolder();
// The page of a topic: ".htm" is appended unless the topic already names an .htm(l) page;
// an empty topic gives the index page.
QString HelpPagePath(const QString &topic);
// The message shown when the help folder is missing.
QString MissingHelpMessage();
