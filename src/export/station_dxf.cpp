#include "export/station_dxf.h"

#include "export/dxf_writer.h"
#include "export/export_command.h"
#include "export/number_pattern.h"
#include "export/plate_dxf.h"

namespace bravik {

void WriteStationDxfFile(const HullDesign& d, int index, TextFileWriter& out) {
    DxfWriter dxf(out);
    dxf.WriteComment("station " + FormatNumber(index, kSignedWholePattern));
    dxf.BeginEntities();
    StationDXF(d, dxf, 14, 6, index, 0, 0);
    dxf.EndSection();
    dxf.EndFile();
}

void WriteStationDxf(Application& app, Ui& ui, Dialogs& dialogs, int index) {
    const HullDesign& d = app.design;
    SaveExportFile(ui, dialogs,
                   {std::string(kProgramName) + " - Save current station as DXF file", "Station (*.DXF)|*.DXF", "",
                    ExportFileBase(d.hullName) + "_STAT_" + FormatNumber(index, "00") + ".DXF"},
                   " - Saving current station DXF", [&](TextFileWriter& out) { WriteStationDxfFile(d, index, out); });
}

void fmenu_Station_DXF_Click(Application& app, dessin& board, Ui& ui, Dialogs& dialogs) {
    fmenu_Station_DXF_Click(app, board, ui, dialogs, [&board] { board.DessCouple_Click(); });
}

void fmenu_Station_DXF_Click(Application& app, dessin& /*board*/, Ui& ui, Dialogs& dialogs,
                             const std::function<void()>& drawStation) {
    if (drawStation) drawStation();
    WriteStationDxf(app, ui, dialogs, app.design.stationIndex);
}

}  // namespace bravik
