// The graph of one graph window: two axes with their ranges, grids, titles and tick-label
// formats, the traces, and the geometry of the drawing in logical units.
//
// A Graph owns its traces, its text blocks, its title strings and, through each trace, the trace's value
// arrays (allocated with new[]), its expressions and its legend label record. Records start
// zero-filled apart from the defaults set by create_graph and add_trace. Invariants: both
// value arrays of a trace hold point_count values; the trace list always starts with a
// placeholder that is not a trace; a logarithmic axis never keeps a non-positive data range
// (scaling switches it to linear instead), but for spectra's 0 Hz points on the x axis.
#pragma once

#include <cstdint>
#include <string>

#include "../base/logical_font.h"
#include "../base/ui.h"
#include "../canvas/geometry.h"
#include "text_block.h"

struct Expression;

const int kMaxTicks = 100;      // labelled ticks per axis
const int kMaxTics = 1000;      // minor tics per axis
const int kLegendShown = 5;     // legend display setting: the show command last applied
const int kLegendHidden = 0;

enum ViewMode { kWindowView = 0, kPageView = 1 };
const int kViewCommandBase = 14005;   // the window keeps its view as 14005 + view mode

enum Notation { kNotationScaleFactors = 1, kNotationDecimal = 2, kNotationScientific = 4 };

struct Axis {
  double min, max, increment;   // axis units: real value / scale; exponents on a log axis
  bool automatic_min, automatic_max, automatic_increment;
  double scale;                 // 10^(3k); 1.0 on a logarithmic axis
  int base;                     // 1 linear, 8 or 10 logarithmic
  int tics;                     // minor tic marks between two labelled ticks
  bool display_grid;
  int major_grid_style;         // 0 solid, 2 dotted, 5 none
  int minor_grid_style;
};

struct DataRange {
  double min, max;   // union of the traces' values on the axis
};

struct TickLabelFormat {
  LogicalFont font;
  int point_size;
  int digits;     // decimals
  int notation;   // Notation
};

struct AxisTitle {
  std::string text;   // title, and "  [unit]" when there is a unit
  LogicalFont font;
  int point_size;
  bool display;
};

// The legend label of a trace; the platform shows it as a child window of the graph window.
struct LegendLabel {
  std::string text;
  LogicalFont font;
  int point_size;
  int x, y;              // logical units
  bool border;
  bool show_symbol;      // the trace's symbol beside the text
  bool position_set;     // placed explicitly, so the layout leaves it
  WindowHandle window;   // none until the platform creates it
  // Measured by the last layout, kept for surfaces that cannot measure text (a metafile).
  TextSize size;         // the whole label, logical units
  TextSize text_size;    // its text alone
  int descent;           // of its font: the border's inset
};

struct Trace {
  int kind;                        // 0 from an expression, 1 experimental data
  bool spectrum;                   // x values are frequencies, a DC term at 0 Hz
  LegendLabel legend;
  int colour_index;                // palette, 0..12
  int symbol_index;                // 0..11
  int symbol_size;                 // half-size in tenths of the character height
  int plot_index;                  // -1: not from a plot of the data file
  int line_style;                  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none
  int line_weight;                 // in units of the line-width factor
  bool display_symbols;
  bool display_symbols_with_text;
  int symbol_period;               // >= 1
  int point_count;
  int drawn_point_count;
  Expression *x_expression, *y_expression;
  double *x_values, *y_values;
  Trace *next;
};

struct AxisGeometry {
  int origin;              // logical coordinate of the axis minimum
  int length;              // signed, from minimum to maximum
  int start, end;          // the two ends of the axis line
  double factor;           // length / (max - min)
  int tick_spacing;        // round_half_away(|factor * increment|)
  int tick_count;          // entries of ticks, at most kMaxTicks
  int ticks[kMaxTicks];    // labelled-tick coordinates
  int tic_count;
  int tics[kMaxTics];      // minor-tic coordinates
  // Label sizes measured at the last screen or printer layout, reused where text cannot be
  // measured (a metafile): one per labelled tick, then the label at the axis end.
  int label_count;
  TextSize label_sizes[kMaxTicks + 1];
  TextSize exponent_sizes[kMaxTicks + 1];   // logarithmic axes
  TextSize title_size;                      // measured with the labels
  // Hit regions kept by the last paint: the rectangle all labels cover, and the title's
  // (empty when the title is not displayed).
  LogicalRect label_region;
  LogicalRect title_region;
};

struct Graph {
  WindowHandle owner;
  int view_mode;                        // ViewMode
  Axis axes[2];                         // 0 x, 1 y
  DataRange data_range[2];
  TickLabelFormat label_format[2];
  AxisTitle title[2];
  LogicalFont legend_font;              // template for new traces' labels
  int legend_point_size;
  int legend_display;                   // kLegendShown or kLegendHidden
  Trace *head, *tail, *current;         // head is the placeholder
  int trace_counter;                    // traces created so far; never lowered
  bool layout_automatic;
  AxisGeometry geometry[2];
  LogicalRect plot;
  LogicalRect x_band, y_band;           // hit rectangles of the axis bands
  int character_height;                 // of "X" in the current logical space
  int margin_measure;                   // round_half_away(0.8 * character height)
  double line_width_factor;             // max(character height / 40, 1.0)
  int margin;                           // 1 in window view, the margin measure in page view
  TextBlock *text_blocks;               // the first, in the order made; owned
};

// The preferences a new graph and its traces take their fonts, digits and tics from; the
// program's settings hold them, stored under their own names.
struct GraphPreferences {
  std::string x_title_face, y_title_face, x_label_face, y_label_face, legend_face, text_face;
  int32_t x_title_size, y_title_size, x_label_size, y_label_size, legend_size, text_size;
  int32_t graph_digits;
  int32_t tic_marks;
};
// As the program ships them.
GraphPreferences default_graph_preferences();

// Sets the character height and the measures derived from it: margin measure
// round_half_away(0.8 c), line-width factor max(c / 40, 1), and the margin (1 in window view,
// the margin measure in page view).
void set_character_height(Graph *graph, int character_height);

// A graph with every default, or none when memory runs out.
Graph *create_graph(WindowHandle owner, const std::string &x_title, const std::string &x_unit,
                    const std::string &y_unit, int x_base, int y_base,
                    const GraphPreferences &preferences);
// Frees the traces (arrays, expressions, labels), the text blocks, the titles and the record.
void destroy_graph(Graph *graph);

// Appends a trace that takes ownership of both arrays (new[]) and returns it; none when memory
// runs out, in which case the caller still owns the arrays.
Trace *add_trace(Graph *graph, int kind, int symbol_index, int line_style, int line_weight,
                 const std::string &legend_text, int point_count, int plot_index,
                 double *x_values, double *y_values, const GraphPreferences &preferences);

// Frees the traces after `last_kept` (the placeholder, or a trace of the graph), so that a
// batch that failed half-way leaves the trace list as it found it. The counter stays raised.
void remove_traces_after(Graph *graph, Trace *last_kept);

// The legend template with the preference's face, as a new label takes it.
LogicalFont font_with_face(const LogicalFont &font, const std::string &face);
