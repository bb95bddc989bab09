#pragma once

namespace bravik::cli {

inline constexpr const char* kHelpText = R"(usage: bravik-cli [--keep-going] [-e COMMAND]... [SCRIPT | -]

Runs design commands one per line: first every -e COMMAND in order, then the
lines of SCRIPT (or of standard input for -). # starts a comment; a word in
double quotes may hold blanks. The program starts as the desktop program
does: the default 6 m hull, English, and "Create a hull", which opens the
bottom screen (validated as it stands unless the first command is bottom).

Each command types into the same boxes and presses the same buttons as a
person at the desktop program. The exit code is 0 when every command
succeeded; the first failure prints one message naming the script line and
exits with 1. A refused validation is a failure unless --keep-going is given;
then the screen stays open with its corrected boxes and the next command for
the same screen types into it again.

Project
  new                           File > New: the default design, named Bravik
  open PATH                     File > Open a .D50 or .D51 file
  save PATH                     File > Save > Data (the extension becomes .D50)
  language fr|en                the start screen's language buttons
  name TEXT                     the hull name box, then Enter

Definition screens (then Validation; corrected fields are listed)
  bottom FIELD=VALUE...         length, beam-x, half-beam, half-width-fwd,
                                half-width-aft, power-fwd, power-aft,
                                height-fwd, height-aft, s-aft, s-fwd, deadrise,
                                keel-advance, stem-rake, transom-rake
  planks ROW.FIELD=VALUE... [sheer=K] [transom-turn=K] [bow-turn=K]
                                ROW 1 to 5, FIELD aft, mid, fwd or angle;
                                K is a plank number from 1 to 5
  autoplank FIELD=VALUE...      count, first, last, fwd, mid, aft, stem
  overlap FIELD=VALUE... choice=cancel|strip|lap
                                answers the thickness and overlap screen that
                                the next "export dev-dxf" shows; fields in mm:
                                bottom, first-overlap, planks, other-overlap,
                                transom, bow

Drawing board
  redraw                        Redraw lines
  station X                     Draw station at X metres
  develop                       Develop
  zoom X1 Y1 X2 Y2              drag a zoom rectangle (twips on the drawing)
  pan DX DY                     drag with the right button (twips)
  full-view                     double click: back to the full view
  draw PATH.svg                 the drawing board as it stands, as SVG

Analysis
  hydro displacement=V [pitch=DEG]    waterline for a displacement (m3)
  hydro waterline=Z [pitch=DEG]       displacement under a waterline (m)
  mass FIELD=VALUE...           the mass budget's green boxes, then Compute;
                                densities (kg/m2): bottom, plank1, plank2,
                                other-planks, transom, bow-plate, bulkhead1,
                                bulkhead2, floor1, floor2, deck, deck-1;
                                positions (m): bulkhead1-x, bulkhead2-x;
                                masses (kg) with their positions (m): engine,
                                ballast, passengers, equipment1, equipment2,
                                equipment3, and engine-x ... equipment3-x

Exports (file dialogs are answered with the paths given)
  export lines-dxf2d PATH       export lines-dxf3d PATH
  export lines-xyz PATH         export vrml PATH
  export station-dxf PATH       (after "station X")
  export dev-dxf PLANKS-PATH DECKS-PATH
  export dev-xyz DIR            every development listing into DIR

Data
  dump PATH.json                the computed design as JSON (see README)
)";

}  // namespace bravik::cli
