#pragma once
// Filling the report tables from the windows, so that the printout uses the
// wording, localisation and formatting the screen shows.
//
// The windows are read through the object names the language files know them
// by: the radio information fields (cxModel, cxFreq, cxSerial) and their
// labels (the QLabel whose buddy is the field), the key window's L1 and
// cxKey1_S, the VOX window's L1/cxVox and L2/cxVoxDely, and the channel
// grid gvData (row 1 titles, rows 2.. channels, columns 1-13).

#include "app/Startup.h"
#include "ui/ReportTables.h"

class QWidget;

namespace kx7q {

class ChildWindows;

// Empties the tables and fills them, in this order, from the radio
// information, key function, VOX function, optional function and channel
// windows. An open window is refreshed (the channel grid is read as it
// stands) and stays open; a window that is not open is created for the fill
// and destroyed again.
void FillReport(ReportTables& tables, Maindb& db, ChildWindows& windows);

// The fill of each window, on a window that shows the code plug. A control
// that is missing leaves its text empty.
void FillFromRadioInformation(ReportTables& tables, const QWidget& window, const TALL& all);
void FillFromKeyFunction(ReportTables& tables, const QWidget& window);
void FillFromVoxFunction(ReportTables& tables, const QWidget& window);
void FillFromChannelGrid(ReportTables& tables, const QWidget& window, const TLanguage& texts);

}  // namespace kx7q
