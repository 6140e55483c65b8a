// `vtss evaluate`: the options, the macro in a drawing, the evaluation through
// StartDlgStandardsSS, and what is printed.
#include "tools/vtss/EvaluateCommand.h"

#include <optional>

#include "platform/core/PathMapping.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/core/macro/MacroData.h"
#include "platform/core/macro/MacroFile.h"
#include "platform/core/macro/Tvx_DbMacro.h"
#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/MessageBox.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/dialogs/StartDlgStandardsSS.h"
#include "tools/vtss/Cli.h"
#include "tools/vtss/EvaluationFailure.h"
#include "tools/vtss/EvaluationOutput.h"
#include "tools/vtss/ModuleSession.h"

namespace vtss {
namespace {

constexpr const char* kUsage =
    "usage: vtss evaluate [--library DIR] [--sheet NAME] [--mapping NAME] [--macro FILE]\n"
    "                     [--gen NAME=VALUE]... [--warnings] [--json] [--write-macro FILE]\n"
    "\n"
    "Evaluates a macro against its standards sheet and prints the sheet's variables.\n"
    "\n"
    "  --library DIR        the library folder (default: $VTSS_LIBRARY, else the\n"
    "                       bundled sample library)\n"
    "  --sheet NAME         a sheet under 'Connection Standards' without extension, or a\n"
    "                       path (default: EndPlate)\n"
    "  --mapping NAME       a mapping of the sheet's mapping file, or Module.GROUP\n"
    "                       (default: Standard)\n"
    "  --macro FILE         the macro file (default: Macros/EndPlate.json in the library)\n"
    "  --gen NAME=VALUE     a general variable of the evaluation; repeatable, in order\n"
    "  --warnings           switch the standards warnings on\n"
    "  --json               print the result as one JSON object\n"
    "  --write-macro FILE   write the macro after the evaluation to FILE\n"
    "\n"
    "Every message box is printed on stderr as 'message: CAPTION: TEXT'.\n";

const char* const kDefaultSheet = "EndPlate";
const char* const kDefaultMapping = "Standard";
const wchar_t* const kDefaultMacro = L"Macros\\EndPlate.json";

struct EvaluateOptions {
    std::optional<std::string> library;
    std::string sheet = kDefaultSheet;
    std::string mapping = kDefaultMapping;
    std::optional<std::string> macroFile;
    Tvx_StringArray genNames;
    Tvx_StringArray genValues;
    bool warnings = false;
    bool json = false;
    std::optional<std::string> writeMacro;
};

int usageError(std::ostream& err, const std::string& why) {
    err << "vtss: evaluate: " << why << "\n" << kUsage;
    return kExitUsage;
}

// Reads the options; false (with the message printed) on bad usage.
bool parseOptions(const std::vector<std::string>& args, EvaluateOptions& options,
                  std::ostream& err) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                usageError(err, option + " needs a value");
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string text;
        if (option == "--warnings") {
            options.warnings = true;
        } else if (option == "--json") {
            options.json = true;
        } else if (option == "--library" || option == "--sheet" || option == "--mapping" ||
                   option == "--macro" || option == "--write-macro" || option == "--gen") {
            if (!value(text))
                return false;
            if (option == "--library")
                options.library = text;
            else if (option == "--sheet")
                options.sheet = text;
            else if (option == "--mapping")
                options.mapping = text;
            else if (option == "--macro")
                options.macroFile = text;
            else if (option == "--write-macro")
                options.writeMacro = text;
            else {
                const size_t equals = text.find('=');
                if (equals == std::string::npos || equals == 0) {
                    usageError(err, "--gen takes NAME=VALUE, not '" + text + "'");
                    return false;
                }
                options.genNames.append(Tvx_String::fromUtf8(text.substr(0, equals)));
                options.genValues.append(Tvx_String::fromUtf8(text.substr(equals + 1)));
            }
        } else {
            usageError(err, "unknown argument '" + option + "'");
            return false;
        }
    }
    return true;
}

// Collects the message boxes and the command line while it lives, printing
// each box on err as it is answered.
class EvaluationWitness {
  public:
    EvaluationWitness(EvaluationResult& result, std::ostream& err)
        : result_(result),
          token_(ui::addMessageBoxListener([this, &err](const ui::MessageBoxPrompt& prompt, int) {
              ShownMessage message{prompt.caption.toUtf8(), prompt.text.toUtf8()};
              err << messageLine(message) << "\n";
              result_.messages.push_back(message);
          })) {
        host::commandLine().clear();
    }
    ~EvaluationWitness() {
        ui::removeMessageBoxListener(token_);
        for (const Tvx_String& line : host::commandLine().lines())
            result_.commandLine.push_back(line.toUtf8());
    }
    EvaluationWitness(const EvaluationWitness&) = delete;
    EvaluationWitness& operator=(const EvaluationWitness&) = delete;

  private:
    EvaluationResult& result_;
    int token_;
};

// The macro of the evaluation, kept in the working drawing and open in a
// transaction while the evaluation runs.
class DrawingMacro {
  public:
    explicit DrawingMacro(Tvx_Macro macro) {
        acdbCurDwg()->addAcDbObject(id_, std::make_unique<Tvx_DbMacro>(std::move(macro)));
    }
    // Opens the macro in a new transaction; null when it cannot be opened.
    Tvx_DbMacro* open() {
        transaction_ = actrTransactionManager()->startTransaction();
        AcDbObject* object = nullptr;
        if (!transaction_ || transaction_->getObject(object, id_, AcDb::kForRead) != eOk)
            return nullptr;
        return dynamic_cast<Tvx_DbMacro*>(object);
    }
    AcTransaction* transaction() const { return transaction_; }
    // Ends the transaction, keeping what the evaluation changed.
    void close() {
        if (transaction_)
            actrTransactionManager()->endTransaction();
        transaction_ = nullptr;
    }
    ~DrawingMacro() { close(); }

  private:
    AcDbObjectId id_;
    AcTransaction* transaction_ = nullptr;
};

}  // namespace

int runEvaluateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitOk;
    }
    EvaluateOptions options;
    if (!parseOptions(args, options, err))
        return kExitUsage;
    if (options.library)
        gSettings.setLibDir(Tvx_String::fromUtf8(*options.library));

    const Tvx_String macroPath = options.macroFile ? Tvx_String::fromUtf8(*options.macroFile)
                                                   : gSettings.libDir() + kDefaultMacro;
    Tvx_Macro macro;
    MacroFileError macroError;
    if (!readMacroFile(macroPath, macro, macroError)) {
        err << "vtss: " << macroError.describe(macroPath).toUtf8() << "\n";
        return kExitUsage;
    }

    ModuleSession module;
    if (!module.loaded()) {
        err << "vtss: evaluate: the host could not load the module\n";
        return kExitFailed;
    }
    EvaluationResult result;
    result.sheet = options.sheet;
    result.mapping = options.mapping;
    result.macroFile = mapPath(macroPath).string();
    gSettings.setStandardsWarnings(options.warnings);
    std::optional<Tvx_Macro> evaluatedMacro;
    {
        DrawingMacro drawingMacro(std::move(macro));
        EvaluationWitness witness(result, err);
        Tvx_DbMacro* dbMacro = drawingMacro.open();
        MacroData macroData;
        VtDlgStandardsData data;
        if (dbMacro && macroData.initFromMacro(dbMacro->macro()) == eOk &&
            data.initialize(dbMacro, Tvx_String::fromUtf8(options.sheet),
                            Tvx_String::fromUtf8(options.mapping), &macroData) == eOk) {
            data.transaction = drawingMacro.transaction();
            data.genVarNames = options.genNames;
            data.genVarValues = options.genValues;
            result.ok = StartDlgStandardsSS(data);
        }
        if (result.ok)
            result.variables = data.varCells;
        if (dbMacro)
            result.macroJson = macroToJson(dbMacro->macro());
        drawingMacro.close();
    }
    gSettings.setStandardsWarnings(false);

    if (options.writeMacro && !result.macroJson.empty()) {
        Tvx_Macro written;
        MacroFileError ignored;
        if (!macroFromJson(result.macroJson, written, ignored) ||
            !writeMacroFile(Tvx_String::fromUtf8(*options.writeMacro), written)) {
            err << "vtss: " << *options.writeMacro << ": cannot write the file\n";
            return kExitFailed;
        }
    }
    if (options.json)
        printResultJson(result, out);
    else if (result.ok)
        printVariableTable(result, out);
    if (!result.ok) {
        err << "vtss: evaluate: " << describeEvaluationFailure(Tvx_String::fromUtf8(options.sheet))
            << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace vtss
