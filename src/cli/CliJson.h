#pragma once
// What --json prints: one JSON document a line on stdout, made by QJsonDocument.

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <string>

namespace feld::cli {

// Bytes from the terminal or the system as a JSON string: UTF-8 as it is, anything else as U+FFFD.
QString jsonText(const std::string& s);
void printJson(const QJsonObject& object);
void printJson(const QJsonArray& array);
// Whether this run has printed a JSON document yet.
bool jsonPrinted();
// The document of a command that failed before it had one of its own: {"ok": false, "error": why}.
void printJsonFailure(const std::string& why);

}  // namespace feld::cli
