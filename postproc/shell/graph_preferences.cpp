#include "graph_preferences.h"

GraphPreferences graph_preferences(const Settings &s) {
  GraphPreferences p;
  p.x_title_face = s.x_title_face;
  p.y_title_face = s.y_title_face;
  p.x_label_face = s.x_label_face;
  p.y_label_face = s.y_label_face;
  p.legend_face = s.legend_face;
  p.text_face = s.text_face;
  p.x_title_size = s.x_title_size;
  p.y_title_size = s.y_title_size;
  p.x_label_size = s.x_label_size;
  p.y_label_size = s.y_label_size;
  p.legend_size = s.legend_size;
  p.text_size = s.text_size;
  p.graph_digits = s.graph_digits;
  p.tic_marks = s.tic_marks;
  return p;
}
