#pragma once

#include <QString>

class MessageService;

// Opens the page of a help topic (the index without one) in the help window "Corvane帮助",
// closing an earlier help window first. When the help folder is missing the user is told so
// and nothing opens.
void ShowHelp(const QString &topic, MessageService &messages);
// Closes the help window if one is open (at shutdown).
void CloseHelp();
// The open help window's page, for tests; empty when none is open.
QString OpenHelpPage();
