// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-button: writes one payment button, or a payment link, from a file of answers, as the
// wizard would.
#include "buttons/buttontypes.h"
#include "buttons/currency.h"
#include "cli/answerfile.h"
#include "cli/encryption.h"
#include "cli/pages.h"
#include "common/settings.h"
#include "common/streams.h"
#include "ravelin/version.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

using namespace ravelin;

constexpr std::string_view kProgram = "ravelin-button";

// Exit statuses.
constexpr int kWritten = 0;
constexpr int kOutputFailed = 1;
constexpr int kBadInput = 2;
constexpr int kAnswerErrors = 3; // with --strict or --check: the payment service would refuse it

// What the command line asks for; the encryption's options are among it.
struct Options : cli::EncryptOptions {
    bool help = false;
    bool version = false;
    std::string type;
    std::optional<std::string> answersFile;
    std::optional<std::string> account;
    bool summary = false;
    bool sandbox = false;
    bool strict = false; // errors in the answers: write nothing, exit 3
    bool check = false;  // write only the findings
    bool json = false;   // the findings as a JSON array
    // The buttons already in pages.
    std::optional<std::string> fromHtml;
    bool audit = false;
    std::vector<std::string> paths; // of --audit
};

// An option: its name, the name of its value ("" for a switch), the field it sets and its
// line in the help.
struct Option {
    QString name;
    QString valueName;
    std::variant<bool Options::*, std::optional<std::string> Options::*> field;
    QString description;

    // -h is the short form of --help, as in most programs.
    QStringList names() const {
        return name == "help" ? QStringList{"h", name} : QStringList{name};
    }
};

const std::vector<Option>& options() {
    static const std::vector<Option> options = {
        {"help", "", &Options::help, "show this help and exit"},
        {"version", "", &Options::version, "show the release and exit"},
        {"answers", "FILE", &Options::answersFile,
         QString("the answers, a JSON object of at most %1 MiB; - reads standard input")
             .arg(cli::kMaxAnswersSize / cli::kMiB)},
        {"account", "ADDRESS", &Options::account,
         "the PayPal account e-mail address; without it the answer \"txtEmail\", else the "
         "address the wizard last stored, else none"},
        {"summary", "", &Options::summary, "write the plain-language summary, not the HTML"},
        {"sandbox", "", &Options::sandbox, "post to the PayPal sandbox"},
        {"strict", "", &Options::strict, "write nothing when the answers have errors"},
        {"check", "", &Options::check, "write only the findings, one a line, not the button"},
        {"json", "", &Options::json,
         "with --check: the findings as a JSON array of objects with \"severity\", \"control\" "
         "and \"message\""},
        {"encrypt", "", &Options::encrypt,
         "write the button encrypted, so that buyers cannot change it (man ravelin-button tells "
         "how to make the files); needs the four below"},
        {"cert-id", "ID", &Options::certificateId,
         "the certificate ID PayPal gave your certificate"},
        {"key", "FILE", &Options::key, "your private key (PEM)"},
        {"cert", "FILE", &Options::certificate, "your certificate (PEM), as uploaded to PayPal"},
        {"service-cert", "FILE", &Options::serviceCertificate, "PayPal's certificate (PEM)"},
        {"from-html", "FILE", &Options::fromHtml,
         "list the PayPal buttons of the page FILE (- reads standard input) as a JSON array, "
         "each with the answers that write it again"},
        {"audit", "", &Options::audit,
         "write a line for each PayPal button of the .html and .htm files under the PATHs given "
         "in place of TYPE; with --json as a JSON array, with --strict exit 3 when a button has "
         "errors"},
        {"key-passphrase-file", "FILE", &Options::passphraseFile,
         QString("the key's passphrase, on the first line of FILE; without it the passphrase in "
                 "%1; never give it as an argument")
             .arg(cli::kPassphraseVariable)},
    };
    return options;
}

std::string typeNames() {
    std::string names;
    buttons::forEachCommandLineType([&]<typename Type>() {
        names += names.empty() ? "" : ", ";
        names += Type::kName;
    });
    return names;
}

// The currencies, one a line: code and caption.
std::string currencyList() {
    std::string list;
    for (const buttons::Currency& currency : buttons::kCurrencies) {
        list += "  " + std::string(currency.code) + "  " + std::string(currency.caption) + "\n";
    }
    return list;
}

void describeOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : options()) {
        parser.addOption(QCommandLineOption(option.names(), option.description, option.valueName));
    }
    parser.addPositionalArgument("TYPE", QString::fromStdString(typeNames()));
}

// An argument as it was given. The arguments are bytes, not always UTF-8: carried through Qt's
// parser as Latin-1, one character a byte, they come back unchanged.
std::string bytes(const QString& argument) {
    return argument.toLatin1().toStdString();
}

// Qt's parser tells what it refused in words of its own, and not always the first thing (after
// "--summary=x --answers" it tells of the missing value), so the arguments are walked again as
// it walks them, to tell of the first in this program's words, as the tests of bad input and
// of echoed text expect.
common::Failure refusal(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        const QString& argument = arguments[i];
        if (argument.size() < 2 || !argument.startsWith('-')) {
            continue;
        }
        const QString name = argument.sliced(argument.startsWith("--") ? 2 : 1).section('=', 0, 0);
        const bool valueGiven = argument.contains('=');
        const auto option = std::ranges::find_if(
            options(), [&](const Option& known) { return known.names().contains(name); });
        if (QStringList{"key-passphrase", "passphrase", "pass"}.contains(name)) {
            // Never echoed: it may hold the passphrase.
            return cli::failure(std::string("a passphrase is never given as an argument; put it "
                                            "in ") +
                                cli::kPassphraseVariable +
                                " or in a file named by --key-passphrase-file");
        }
        if (option == options().end() || (option->valueName.isEmpty() && valueGiven)) {
            return cli::failure("unknown option " + cli::jsonQuoted(bytes(argument)) +
                                "; see --help");
        }
        if (!option->valueName.isEmpty() && !valueGiven && ++i == arguments.size()) {
            return cli::failure("--" + bytes(name) + " needs a value");
        }
    }
    return cli::failure("the arguments cannot be read; see --help"); // Qt refuses nothing else
}

// The options of --audit: the paths given, and nothing of writing a button.
common::Result<Options> auditOptions(Options parsed, const QStringList& paths) {
    if (paths.isEmpty()) {
        return cli::failure("--audit needs a file or folder to go through");
    }
    if (parsed.fromHtml || parsed.check || parsed.answersFile || parsed.encrypt) {
        return cli::failure("--audit goes with --json and --strict alone");
    }
    for (const QString& path : paths) {
        parsed.paths.push_back(bytes(path));
    }
    return parsed;
}

common::Result<Options> parseOptions(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLatin1(argv[i]));
    }
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments)) {
        return refusal(arguments);
    }
    Options parsed;
    for (const Option& option : options()) {
        if (const auto* flag = std::get_if<bool Options::*>(&option.field)) {
            parsed.*(*flag) = parser.isSet(option.name);
        } else if (parser.isSet(option.name)) {
            parsed.*std::get<1>(option.field) = bytes(parser.value(option.name));
        }
    }
    const QStringList types = parser.positionalArguments();
    if (parsed.audit) {
        return auditOptions(std::move(parsed), types);
    }
    if (types.size() > 1) {
        return cli::failure("unexpected argument " + cli::jsonQuoted(bytes(types[1])) +
                            "; see --help");
    }
    parsed.type = bytes(types.value(0));
    if (parsed.fromHtml && (!parsed.type.empty() || parsed.check || parsed.answersFile)) {
        return cli::failure("--from-html takes a page alone, no button type or answers");
    }
    if (parsed.fromHtml && parsed.fromHtml->empty()) {
        return cli::failure("--from-html needs a value: a file name, or - for standard input");
    }
    if (parsed.answersFile && parsed.answersFile->empty()) {
        return cli::failure("--answers needs a value: a file name, or - for standard input");
    }
    if (parsed.json && !parsed.check) {
        return cli::failure("--json goes with --check or --audit");
    }
    // Texts the button carries hold what a box can, on one line, as in the answers file.
    const std::pair<const char*, const std::optional<std::string>*> texts[] = {
        {"--account", &parsed.account},
        {"--cert-id", &parsed.certificateId},
    };
    for (const auto& [name, value] : texts) {
        if (!*value) {
            continue;
        }
        if (const std::optional<std::string> bad = cli::untypableText(**value, true)) {
            return cli::failure(std::string(name) + " " + cli::jsonQuoted(**value) + " holds " +
                                *bad + ", which cannot be typed");
        }
    }
    return parsed;
}

std::string helpText() {
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's usage line names one form and the path the program was started by; ours names all.
    const QString generated = parser.helpText();
    std::string text =
        R"(Usage: ravelin-button TYPE [--answers FILE] [--account ADDRESS] [--summary] [--sandbox]
                      [--strict] [--encrypt --cert-id ID --key FILE --cert FILE
                      --service-cert FILE [--key-passphrase-file FILE]]
       ravelin-button TYPE --check [--json] [--answers FILE] [--account ADDRESS]
       ravelin-button --from-html FILE
       ravelin-button --audit [--json] [--strict] PATH...
       ravelin-button payment-link [--answers FILE] [--summary] [--strict | --check [--json]]
       ravelin-button --help | --version

Writes the HTML of one PayPal payment button to standard output, as the Ravelin Website
Payments wizard does, or a link to a payment link made in your PayPal account
(https://www.paypal.com/ncp/payment/ID) around a picture or a text. A payment link names
your account itself and is never encrypted, so it takes none of --account, --sandbox and
--encrypt.
)" + generated.sliced(generated.indexOf('\n') + 1).toStdString() +
        R"(
Answer keys are the wizard's control names. A text box or combo box takes a string, an
option group the index of its selected option (null for none). Keys left out keep the
wizard's defaults. Each key is given once; texts hold no control characters but tab, CR
and LF. A box of several lines takes one entry a line: a menu's choices of the Item options
(on the first menu of buy-now and add-to-cart, "Large = 12.50" gives a choice its price)
and the Advanced variables (name=value), separated by \n.

A currency box takes one of these captions, or its code alone, which stands for the caption:
)" + currencyList() +
        R"(
The answers are checked against what PayPal accepts. Each finding goes to standard error
as "ravelin-button: error: CONTROL: sentence" (PayPal would refuse or misread the button)
or "ravelin-button: warning: CONTROL: sentence" (it works, but is probably not what you
meant); the button is still written.
)";
    buttons::forEachCommandLineType([&]<typename Type>() {
        text += "\n  " + std::string(Type::kName) + " (" + std::string(Type::kTitle) + ")\n";
        text += cli::describeKeys<Type>();
    });
    return text + R"(
Exit status: 0 when the button was written (with --check: when the answers have no errors),
1 when it could not be written out, 2 for bad input (the problem is told on standard error),
3 with --strict or --check when the answers have errors (with --audit --strict: when any
button's answers have errors).

The manual page tells more, with examples: man ravelin-button
)";
}

int fail(const QString& problem) {
    std::fprintf(stderr, "%s: %s\n", kProgram.data(), problem.toStdString().c_str());
    return kBadInput;
}

bool write(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

int writeOut(std::string_view text) {
    if (write(text)) {
        return kWritten;
    }
    std::fprintf(stderr, "%s: cannot write to standard output\n", kProgram.data());
    return kOutputFailed;
}

// One finding as a line: "error: txtPriceBN: The price must be ...".
std::string findingLine(const buttons::Finding& finding) {
    return std::string(buttons::severityName(finding.severity)) + ": " +
           std::string(finding.control) + ": " + finding.message;
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

// The button the answers make, and what the checker says of them.
struct Written {
    buttons::Button button;
    buttons::Findings findings;
};

// The wizard's list shows what a currency box takes; on the command line a finding that a box
// holds no currency names them. The currency boxes are the keys named cmbCurrency....
template <typename Type>
void nameTheCurrencies(buttons::Findings& findings, const typename Type::Answers& answers) {
    for (buttons::Finding& finding : findings) {
        for (const auto& key : Type::kKeys) {
            if (key.name == finding.control && key.text != nullptr &&
                key.name.starts_with("cmbCurrency") &&
                buttons::findCurrency(answers.*key.text) == nullptr) {
                std::string captions;
                for (const buttons::Currency& currency : buttons::kCurrencies) {
                    captions += (captions.empty() ? "" : ", ") + cli::jsonQuoted(currency.caption);
                }
                finding.message +=
                    " The currencies are " + captions + ", or a code alone, such as \"EUR\".";
            }
        }
    }
}

template <typename Type>
common::Result<Written> writeType(const Options& options, const QJsonObject& answers) {
    typename Type::Answers typed;
    std::optional<std::string> email;
    if (const common::Result<void> applied = cli::applyAnswers<Type>(answers, typed, email);
        !applied) {
        return common::Failure{applied.error()};
    }
    buttons::Context context;
    context.account = options.account ? *options.account : email ? *email : storedAccount();
    context.buildCode = version::kBuildCode;
    if (options.sandbox) {
        context.endpoints = buttons::Endpoints::sandbox();
    }
    Written written{{}, Type::kCheck(typed, context.account)};
    nameTheCurrencies<Type>(written.findings, typed);
    if (!options.check) {
        written.button = Type::kWrite(typed, context);
    }
    return written;
}

// A payment link: the answers name neither an account nor a host of the endpoint, and a link
// cannot be encrypted.
common::Result<Written> writeLink(const Options& options, const QJsonObject& answers) {
    using Link = buttons::PaymentLink;
    const std::string type(Link::kName);
    if (options.encrypt) {
        return cli::failure(type + " writes a link, not a form, so it cannot be encrypted");
    }
    if (options.sandbox) {
        return cli::failure("--sandbox does not go with " + type +
                            ": a link on www.sandbox.paypal.com is the sandbox's");
    }
    if (options.account) {
        return cli::failure("--account does not go with " + type +
                            ": the link itself names the account");
    }
    Link::Answers typed;
    std::optional<std::string> email;
    if (const common::Result<void> applied = cli::applyAnswers<Link>(answers, typed, email);
        !applied) {
        return common::Failure{applied.error()};
    }
    if (email) {
        return cli::failure(type + " has no answer key " + cli::jsonQuoted(cli::kEmailKey) +
                            ": the link itself names the account");
    }
    Written written{{}, Link::kCheck(typed)};
    if (!options.check) {
        written.button = Link::kWrite(typed);
    }
    return written;
}

// Reads the answers and writes the button of the type the options name.
common::Result<Written> writeButton(const Options& options) {
    if (options.type.empty()) {
        return cli::failure("no button type given; expected one of " + typeNames());
    }
    if (const common::Result<void> encryption = cli::checkEncryptOptions(options); !encryption) {
        return common::Failure{encryption.error()};
    }
    if (!buttons::withCommandLineType(options.type, []<typename>() {})) {
        return cli::failure("unknown button type " + cli::jsonQuoted(options.type) +
                            "; expected one of " + typeNames());
    }
    QJsonObject answers;
    if (options.answersFile) {
        common::Result<QJsonObject> read = cli::readAnswersFile(*options.answersFile);
        if (!read) {
            return common::Failure{read.error()};
        }
        answers = std::move(*read);
    }
    common::Result<Written> written = common::Failure{};
    buttons::withCommandLineType(options.type, [&]<typename Type>() {
        if constexpr (std::is_same_v<Type, buttons::PaymentLink>) {
            written = writeLink(options, answers);
        } else {
            written = writeType<Type>(options, answers);
        }
    });
    return written;
}

// --from-html and --audit: the buttons already in pages.
int readPages(const Options& options) {
    if (options.fromHtml) {
        const common::Result<std::string> json = cli::buttonsJson(*options.fromHtml);
        return json ? writeOut(*json) : fail(json.error());
    }
    const cli::Audit audit = cli::audit(options.paths, options.json);
    for (const std::string& problem : audit.problems) {
        std::fprintf(stderr, "%s: %s\n", kProgram.data(), problem.c_str());
    }
    const int status = writeOut(audit.out);
    return status == kWritten && options.strict && audit.errors ? kAnswerErrors : status;
}

int run(int argc, char** argv, const common::ClosedStreams& closed) {
    const common::Result<Options> options = parseOptions(argc, argv);
    if (!options) {
        return fail(options.error());
    }
    if (closed.output) {
        std::fprintf(stderr, "%s: standard output is closed, so nothing can be written\n",
                     kProgram.data());
        return kOutputFailed;
    }
    if (closed.input && options->answersFile == "-") {
        return fail("cannot read answers from standard input: it is closed");
    }
    if (options->help || options->version) {
        const std::string text = options->help ? helpText() : std::string(version::kRelease) + "\n";
        return write(text) ? kWritten : kOutputFailed;
    }
    if (options->fromHtml || options->audit) {
        if (closed.input && options->fromHtml == "-") {
            return fail("cannot read the page from standard input: it is closed");
        }
        return readPages(*options);
    }
    common::Result<Written> written = writeButton(*options);
    if (!written) {
        return fail(written.error());
    }
    const buttons::Findings& findings = written->findings;
    const int checked = buttons::hasErrors(findings) ? kAnswerErrors : kWritten;
    if (options->check) {
        std::string lines;
        for (const buttons::Finding& finding : findings) {
            lines += findingLine(finding) + "\n";
        }
        const int status = writeOut(options->json ? findingsJson(findings) : lines);
        return status == kWritten ? checked : status;
    }
    // Bad input comes first, in one line: the encryption's files are read before any finding.
    if (options->encrypt) {
        cli::Encryption encrypted =
            cli::encrypt(written->button, *options, std::getenv(cli::kPassphraseVariable));
        for (const std::string& warning : encrypted.warnings) {
            std::fprintf(stderr, "%s: warning: %s\n", kProgram.data(), warning.c_str());
        }
        if (!encrypted.button) {
            return fail(encrypted.button.error());
        }
        written->button = std::move(*encrypted.button);
    }
    for (const buttons::Finding& finding : findings) {
        std::fprintf(stderr, "%s: %s\n", kProgram.data(), findingLine(finding).c_str());
    }
    if (options->strict && checked != kWritten) {
        return checked;
    }
    return writeOut(options->summary ? written->button.summary : written->button.html);
}

} // namespace

int main(int argc, char** argv) {
    const common::ClosedStreams closed = common::openClosedStandardStreams();
    // Every failure is told in one line of the program's own; Qt's warnings never reach the
    // terminal.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    try {
        return run(argc, argv, closed);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: cannot write the button: %s\n", kProgram.data(), error.what());
        return kOutputFailed;
    }
}
