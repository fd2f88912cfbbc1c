#include "ui/qt/CommandTable.h"

namespace kx7q {

const std::vector<MenuDef>& MainMenuTable() {
  static const std::vector<MenuDef> menus = {
      {"nFile", "&File", {
           {"nNew", "&New", 1, "Ctrl+N"},
           {"nOpen", "&Open", 2, "Ctrl+O"},
           {"nSave", "&Save", 3, "Ctrl+S"},
           {"nSaveAs", "Save &As", 4, "Ctrl+A"},
           {"N1", "-", 0, ""},
           {"nPrint", "&Print", 5, "Ctrl+P"},
           {"nPreview", "Print Pre&view", 6, "Ctrl+V"},
           {"N2", "-", 0, ""},
           {"nExit", "&Exit", 7, "Ctrl+X"},
       }},
      {"nEdit", "&Edit", {
           {"nChInfo", "C&hannel Information", 10, ""},
           {"nChEdit", "&Channel Edit", 11, ""},
           {"N3", "-", 0, ""},
           {"nKey", "&Key Function", 12, ""},
           {"nVox", "&Vox Function", 13, ""},
           {"nOpt", "&Optional Function", 14, ""},
           {"nScan", "&Scan Information", 19, ""},
           {"nDtmf", "&DTMF", 17, "", true},
           {"N4", "-", 0, ""},
           {"nInfo", "Radio &Information", 15, ""},
           {"nPassWord", "&Pass Word", 16, "", true},
           {"nEmbeddedMessage", "Embedded &Message", 18, "", true},
       }},
      {"nProgram", "&Program", {
           {"nRead", "&Read From Radio", 20, "Ctrl+R"},
           {"nWrite", "&Write To Radio", 21, "Ctrl+W"},
           {"nTestOnline", "&Test Online", 22, ""},
       }},
      {"nSetup", "&Setup", {
           {"nModel", "&Model Information", 30, ""},
           {"nCom", "&Communication Port", 31, ""},
           {"nLanguage", "Language File Setup", 32, ""},
       }},
      {"nView", "&View", {
           {"nTreeView", "Tree &View", 40, ""},
           {"nToolbar", "&Toolbar", 41, ""},
           {"nStatusbar", "&Status bar", 42, ""},
       }},
      {"nWindow", "&Window", {
           {"nCascade", "&Cascade", 50, ""},
           {"nTileH", "Tile Windows &Horizontally", 51, ""},
           {"nTileV", "Tile Windows &Vertically", 52, ""},
           {"nArrange", "&Arrange Icons", 53, ""},
           {"nCloseAll", "Close All &Windows", 54, ""},
       }, true},
      {"nHelp", "&Help", {
           {"nHelpTopics", "&Help Topics", 60, ""},
           {"nAbout", "About...", 61, ""},
       }},
  };
  return menus;
}

}  // namespace kx7q
