// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-button: writes one payment button from a file of answers, as the wizard would.
#include "buttons/buttontypes.h"
#include "cli/answerfile.h"
#include "cli/encryption.h"
#include "common/settings.h"
#include "ravelin/version.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ravelin;

constexpr std::string_view kProgram = "ravelin-button";

// Exit statuses.
constexpr int kWritten = 0;
constexpr int kOutputFailed = 1;
constexpr int kBadInput = 2;
constexpr int kAnswerErrors = 3; // with --strict or --check: the payment service would refuse it

struct Arguments {
    bool help = false;
    bool version = false;
    std::string type;
    std::optional<std::string> answersFile;
    std::optional<std::string> account;
    bool summary = false;
    bool sandbox = false;
    cli::EncryptOptions encryption;
    bool strict = false; // errors in the answers: write nothing, exit 3
    bool check = false;  // write only the findings
    bool json = false;   // the findings as a JSON array
};

// A problem with the input, told to the user in one line.
struct BadInput {
    std::string message;
};

int fail(const BadInput& problem) {
    std::fprintf(stderr, "%s: %s\n", kProgram.data(), problem.message.c_str());
    return kBadInput;
}

bool write(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

std::string typeNames() {
    std::string names;
    buttons::forEachButtonType([&]<typename Type>() {
        names += names.empty() ? "" : ", ";
        names += Type::kName;
    });
    return names;
}

std::optional<BadInput> parseArguments(const std::vector<std::string_view>& args,
                                       Arguments& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // An option that takes a value: "--name VALUE" or "--name=VALUE".
        const auto valueOf = [&](std::string_view name,
                                 std::optional<std::string>& value) -> std::optional<BadInput> {
            if (arg == name) {
                if (i + 1 == args.size()) {
                    return BadInput{std::string(name) + " needs a value"};
                }
                value = std::string(args[++i]);
            } else {
                value = std::string(arg.substr(name.size() + 1));
            }
            if (value->empty() && name == "--answers") {
                return BadInput{"--answers needs a value: a file name, or - for standard input"};
            }
            return std::nullopt;
        };
        const auto isOption = [&](std::string_view name) {
            return arg == name ||
                   (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=');
        };
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--version") {
            parsed.version = true;
        } else if (arg == "--summary") {
            parsed.summary = true;
        } else if (arg == "--sandbox") {
            parsed.sandbox = true;
        } else if (arg == "--strict") {
            parsed.strict = true;
        } else if (arg == "--check") {
            parsed.check = true;
        } else if (arg == "--json") {
            parsed.json = true;
        } else if (isOption("--answers")) {
            if (auto problem = valueOf("--answers", parsed.answersFile)) {
                return problem;
            }
        } else if (isOption("--account")) {
            if (auto problem = valueOf("--account", parsed.account)) {
                return problem;
            }
        } else if (arg == "--encrypt") {
            parsed.encryption.encrypt = true;
        } else if (isOption("--cert-id")) {
            if (auto problem = valueOf("--cert-id", parsed.encryption.certificateId)) {
                return problem;
            }
        } else if (isOption("--key")) {
            if (auto problem = valueOf("--key", parsed.encryption.key)) {
                return problem;
            }
        } else if (isOption("--cert")) {
            if (auto problem = valueOf("--cert", parsed.encryption.certificate)) {
                return problem;
            }
        } else if (isOption("--service-cert")) {
            if (auto problem = valueOf("--service-cert", parsed.encryption.serviceCertificate)) {
                return problem;
            }
        } else if (isOption("--key-passphrase-file")) {
            if (auto problem = valueOf("--key-passphrase-file", parsed.encryption.passphraseFile)) {
                return problem;
            }
        } else if (cli::isPassphraseArgument(arg)) {
            // Never echoed: it may hold the passphrase.
            return BadInput{std::string("a passphrase is never given as an argument; put it in ") +
                            cli::kPassphraseVariable +
                            " or in a file named by "
                            "--key-passphrase-file"};
        } else if (arg.starts_with("-") && arg != "-") {
            return BadInput{"unknown option " + cli::jsonQuoted(arg) + "; see --help"};
        } else if (parsed.type.empty()) {
            parsed.type = arg;
        } else {
            return BadInput{"unexpected argument " + cli::jsonQuoted(arg) + "; see --help"};
        }
    }
    if (parsed.json && !parsed.check) {
        return BadInput{"--json goes with --check"};
    }
    return std::nullopt;
}

std::string helpText() {
    std::string text = "Usage: ravelin-button TYPE [--answers FILE] [--account ADDRESS] "
                       "[--summary] [--sandbox] [--strict]\n"
                       "                     [--encrypt --cert-id ID --key FILE --cert FILE "
                       "--service-cert FILE]\n"
                       "       ravelin-button TYPE --check [--json] [--answers FILE] "
                       "[--account ADDRESS]\n"
                       "       ravelin-button --help | --version\n"
                       "\n"
                       "Writes the HTML of one PayPal payment button to standard output, as the "
                       "Ravelin Website\nPayments wizard does.\n"
                       "\n"
                       "  TYPE               ";
    text += typeNames();
    text += "\n"
            "  --answers FILE     a JSON object of answers, at most " +
            std::to_string(cli::kMaxAnswersSize / cli::kMiB) +
            " MiB; - reads standard input\n"
            "  --account ADDRESS  the PayPal account e-mail address\n"
            "  --summary          write the plain-language summary instead of the HTML\n"
            "  --sandbox          post to the PayPal sandbox\n"
            "  --strict           write nothing when the answers have errors\n"
            "  --check            write only the findings, one a line, instead of the button\n"
            "  --json             with --check: the findings as a JSON array of objects with\n"
            "                     \"severity\", \"control\" and \"message\"\n"
            "\n"
            "Encrypted buttons, which buyers cannot change (see the README for the files):\n"
            "  --encrypt                    write the button encrypted; needs the four below\n"
            "  --cert-id ID                 the certificate ID PayPal gave your certificate\n"
            "  --key FILE                   your private key (PEM)\n"
            "  --cert FILE                  your certificate (PEM), as uploaded to PayPal\n"
            "  --service-cert FILE          PayPal's public certificate (PEM)\n"
            "  --key-passphrase-file FILE   the key's passphrase, on the first line of FILE\n"
            "A key with a passphrase is read with --key-passphrase-file, else with the "
            "passphrase in\nthe environment variable RAVELIN_KEY_PASSPHRASE; never give it as "
            "an argument.\n"
            "\n"
            "Answer keys are the wizard's control names. A text box or combo box takes a "
            "string, an\noption group the index of its selected option (null for none). Keys "
            "left out keep the\nwizard's defaults. Each key is given once; texts hold no "
            "control characters but\ntab, CR and LF.\n"
            "\n"
            "The account address is --account, else the answer \"txtEmail\", else the address "
            "the wizard\nlast stored, else empty.\n"
            "\n"
            "The answers are checked against what PayPal accepts. Each finding goes to standard "
            "error\nas \"ravelin-button: error: CONTROL: sentence\" (PayPal would refuse or "
            "misread the\nbutton) or \"ravelin-button: warning: CONTROL: sentence\" (it works, "
            "but is probably not\nwhat you meant); the button is still written.\n";
    buttons::forEachButtonType([&]<typename Type>() {
        text += "\n  ";
        text += Type::kName;
        text += " (";
        text += Type::kTitle;
        text += ")\n";
        text += cli::describeKeys<Type>();
    });
    text += "\n"
            "Exit status: 0 when the button was written (with --check: when the answers have no "
            "errors),\n1 when it could not be written out, 2 for bad input (the problem is "
            "told on standard\nerror), 3 with --strict or --check when the answers have "
            "errors.\n";
    return text;
}

// One finding as a line: "error: txtPriceBN: The price must be ...".
std::string findingLine(const buttons::Finding& finding) {
    std::string line(buttons::severityName(finding.severity));
    line += ": ";
    line += finding.control;
    line += ": ";
    line += finding.message;
    return line;
}

// The findings as a JSON array, one object a line.
std::string findingsJson(const buttons::Findings& findings) {
    std::string out = "[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const buttons::Finding& f = findings[i];
        out += i == 0 ? "\n  " : ",\n  ";
        out += "{\"severity\": " + cli::jsonQuoted(buttons::severityName(f.severity)) +
               ", \"control\": " + cli::jsonQuoted(f.control) +
               ", \"message\": " + cli::jsonQuoted(f.message) + "}";
    }
    out += findings.empty() ? "]\n" : "\n]\n";
    return out;
}

std::string storedAccount() {
    return common::readSetting(common::kAccountSettingApp, common::kAccountSettingSection,
                               common::kAccountSettingKey)
        .toStdString();
}

int run(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    Arguments arguments;
    if (auto problem = parseArguments(args, arguments)) {
        return fail(*problem);
    }
    if (arguments.help) {
        return write(helpText()) ? kWritten : kOutputFailed;
    }
    if (arguments.version) {
        return write(std::string(version::kRelease) + "\n") ? kWritten : kOutputFailed;
    }
    if (arguments.type.empty()) {
        return fail({"no button type given; expected one of " + typeNames()});
    }

    if (auto problem = cli::encryptOptionsProblem(arguments.encryption)) {
        return fail({std::move(*problem)});
    }

    if (!buttons::withButtonType(arguments.type, []<typename>() {})) {
        return fail({"unknown button type " + cli::jsonQuoted(arguments.type) +
                     "; expected one of " + typeNames()});
    }

    QJsonObject answers;
    if (arguments.answersFile) {
        common::Result<QJsonObject> read = cli::readAnswersFile(*arguments.answersFile);
        if (!read) {
            return fail({read.error().toStdString()});
        }
        answers = std::move(*read);
    }

    std::optional<BadInput> problem;
    buttons::Button button;
    buttons::Findings findings;
    buttons::withButtonType(arguments.type, [&]<typename Type>() {
        typename Type::Answers typed;
        std::optional<std::string> email;
        if (const common::Result<void> applied = cli::applyAnswers<Type>(answers, typed, email);
            !applied) {
            problem = BadInput{applied.error().toStdString()};
            return;
        }
        buttons::Context context;
        context.account = arguments.account ? *arguments.account : email ? *email : storedAccount();
        context.buildCode = version::kBuildCode;
        if (arguments.sandbox) {
            context.endpoints = buttons::Endpoints::sandbox();
        }
        findings = Type::kCheck(typed, context.account);
        if (!arguments.check) {
            button = Type::kWrite(typed, context);
        }
    });
    if (problem) {
        return fail(*problem);
    }
    const int checked = buttons::hasErrors(findings) ? kAnswerErrors : kWritten;
    if (arguments.check) {
        std::string out;
        if (arguments.json) {
            out = findingsJson(findings);
        } else {
            for (const buttons::Finding& finding : findings) {
                out += findingLine(finding) + "\n";
            }
        }
        if (!write(out)) {
            std::fprintf(stderr, "%s: cannot write to standard output\n", kProgram.data());
            return kOutputFailed;
        }
        return checked;
    }
    // Bad input comes first, in one line: the encryption's files are read before any finding.
    if (arguments.encryption.encrypt) {
        cli::Encryption encrypted =
            cli::encrypt(button, arguments.encryption, std::getenv(cli::kPassphraseVariable));
        for (const std::string& warning : encrypted.warnings) {
            std::fprintf(stderr, "%s: warning: %s\n", kProgram.data(), warning.c_str());
        }
        if (!encrypted.button) {
            return fail({std::move(encrypted.problem)});
        }
        button = std::move(*encrypted.button);
    }
    for (const buttons::Finding& finding : findings) {
        std::fprintf(stderr, "%s: %s\n", kProgram.data(), findingLine(finding).c_str());
    }
    if (arguments.strict && checked != kWritten) {
        return checked;
    }
    if (!write(arguments.summary ? button.summary : button.html)) {
        std::fprintf(stderr, "%s: cannot write to standard output\n", kProgram.data());
        return kOutputFailed;
    }
    return kWritten;
}

} // namespace

int main(int argc, char** argv) {
    // Every failure is told in one line of the program's own; Qt's warnings never reach the
    // terminal.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: cannot write the button: %s\n", kProgram.data(), error.what());
        return kOutputFailed;
    }
}
