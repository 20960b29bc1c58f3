#include "cli/CliJson.h"

#include <QJsonDocument>

#include <cstdio>

namespace feld::cli {
namespace {

bool printed = false;

void print(const QJsonDocument& doc)
{
    const QByteArray text = doc.toJson(QJsonDocument::Compact);
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    printed = true;
}

}  // namespace

QString jsonText(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
void printJson(const QJsonObject& object) { print(QJsonDocument(object)); }
void printJson(const QJsonArray& array) { print(QJsonDocument(array)); }
bool jsonPrinted() { return printed; }

void printJsonFailure(const std::string& why)
{
    printJson(QJsonObject{{QStringLiteral("ok"), false}, {QStringLiteral("error"), jsonText(why)}});
}

}  // namespace feld::cli
