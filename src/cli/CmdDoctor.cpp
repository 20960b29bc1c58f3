// feldspan-cli doctor: can this user reach the terminal and the cradle, and will the line run at
// its speed? Each check with its verdict and, for a problem, the fix in one line.

#include <cstdio>

#include "base/Language.h"
#include "base/Texts.h"
#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cli/CliSession.h"
#include "session/Config.h"
#include "session/SystemCheck.h"
#include "session/SystemView.h"

namespace feld::cli {
namespace {

int doctorCommand(CliContext& ctx, const std::vector<std::string>& args)
{
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else
            return kExitUsage;
    }
    Config& config = ctx.config();
    CheckInput input;
    input.port = config.port;
    CliSession::ApplyOverrides(ctx.options(), input.port);
    // Codes without a translation of their own keep the program's texts, which are Chinese.
    const int code = effectiveLanguageCode(config.languageCode, posixMessageLocale());
    input.chineseTexts = code == 1 || code == 2 || languageName(code) == nullptr;

    const SystemView system;
    const std::vector<CheckResult> results = RunSystemChecks(system, input);
    const bool well = AllWell(results);
    if (json) {
        QJsonArray checks;
        for (const CheckResult& r : results) {
            QJsonObject o{{QStringLiteral("check"), jsonText(r.id)},
                          {QStringLiteral("title"), jsonText(r.title)},
                          {QStringLiteral("verdict"), QString::fromLatin1(verdictName(r.verdict))},
                          {QStringLiteral("text"), jsonText(r.text)}};
            if (!r.fix.empty())
                o.insert(QStringLiteral("fix"), jsonText(r.fix));
            checks.append(o);
        }
        printJson(QJsonObject{{QStringLiteral("ok"), well}, {QStringLiteral("checks"), checks}});
        return well ? kExitOk : kExitFailure;
    }
    for (const CheckResult& r : results) {
        // A problem stands out in capitals, as "ok" and "unchecked" lines are the usual case.
        const char* mark = r.verdict == Verdict::Fix ? "FIX" : verdictName(r.verdict);
        std::printf("%-10s %s: %s\n", mark, r.title.c_str(), r.text.c_str());
        if (!r.fix.empty())
            std::printf("%-10s %s %s\n", "", tk("doctor.fixLabel", "fix:").c_str(), r.fix.c_str());
    }
    int fixes = 0;
    for (const CheckResult& r : results)
        fixes += r.verdict == Verdict::Fix;
    std::printf("\n%s\n", well ? tk("doctor.allWell", "all well").c_str()
                               : formatText(tk("doctor.toFix", "%d thing(s) to fix"), {fixes}).c_str());
    return well ? kExitOk : kExitFailure;
}

FELD_CLI_COMMAND("doctor", "doctor [--json]", "check device access, ModemManager, the line's latency and fonts",
                 doctorCommand);

}  // namespace
}  // namespace feld::cli
