// kx7q-cli new: a new code plug for a model and band, saved as a data file.

#include <cctype>
#include <iostream>

#include "app/Startup.h"
#include "core/DataFile.h"
#include "core/ImageDefaults.h"
#include "tools/cli/CliSupport.h"
#include "tools/cli/Commands.h"

namespace kx7q::cli {

const char* const kNewHelp =
    "Usage: kx7q-cli new [--band TEXT] -o FILE.dat\n"
    "\n"
    "Makes a new code plug, as the program's New command does, and saves it.\n"
    "  --band TEXT    the frequency band, e.g. \"400 - 520MHz\" (blanks and case\n"
    "                 may differ: 400-520mhz); it chooses the model. Default: the\n"
    "                 first model with its default band.\n"
    "  -o, --output FILE   the data file to write (an existing file is replaced\n"
    "                 whole, never half written).\n";

namespace {

std::string Squeezed(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

int RunNew(const Args& args) {
  std::string band, output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--band" || a == "-o" || a == "--output") {
      if (i + 1 >= args.size()) return UsageError("new", a + " needs a value");
      (a == "--band" ? band : output) = args[++i];
    } else if (a.rfind("--band=", 0) == 0) {
      band = a.substr(7);
    } else if (a.rfind("--output=", 0) == 0) {
      output = a.substr(9);
    } else {
      return UsageError("new", "unexpected argument '" + a + "'");
    }
  }
  if (output.empty()) return UsageError("new", "no output file (-o FILE.dat)");

  Maindb& db = Db();
  TALL& all = db.All;
  const TMacType* model = nullptr;
  std::string bandText;
  if (band.empty()) {
    model = db.MacList.Get(0);
    if (model) bandText = model->DefaultBand;
  } else {
    for (int m = 0; m < db.MacList.Count() && !model; ++m)
      for (const std::string& b : db.MacList.Get(m)->Bands)
        if (Squeezed(b) == Squeezed(band)) {
          model = db.MacList.Get(m);
          bandText = b;
          break;
        }
    if (!model) {
      std::string known;
      for (const auto& [text, code] : db.FrqList.Bands()) known += (known.empty() ? "" : ", ") + ("\"" + text + "\"");
      return Fail(Status::Fail("ModError", "no model has the band \"" + band + "\"; bands: " + known));
    }
  }
  if (!model) return Fail(Status::Fail("ModError", "no model is known"));

  ApplyModelInfo(all, db.MacList, db.FrqList, model->Code, db.FrqList.CodeOf(bandText), true);
  SetImageDefaults(all, db.FrqList);
  Status saved = WriteDataFile(all, output);
  if (!saved) return Fail(saved);
  std::cout << "New code plug for " << all.ModelName << ", " << all.BandText << ", saved as " << output << "\n";
  return kExitOk;
}

}  // namespace kx7q::cli
