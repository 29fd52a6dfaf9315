// Text block properties by code, for the text dialog and the graph file.
#include "properties.h"

bool get_text_block_property(const TextBlock *block, int code, PropertyValue &value) {
  if (!block) return false;
  switch (code) {
    case kTextBlockText: value.text = block->text; return true;
    case kTextBlockFont:
      value.font = block->font;
      value.point_size = block->point_size;
      return true;
    case kTextBlockPointSize: value.number = block->point_size; return true;
    case kTextBlockX: value.number = block->x; return true;
    case kTextBlockY: value.number = block->y; return true;
    case kTextBlockCx: value.number = block->cx; return true;
    case kTextBlockCy: value.number = block->cy; return true;
    case kTextBlockBorder: value.number = block->border; return true;
    case kTextBlockJustification: value.number = block->justification; return true;
    case kTextBlockAdjustBox: value.number = block->adjust_box; return true;
  }
  return false;
}

bool set_text_block_property(TextBlock *block, int code, const PropertyValue &value) {
  if (!block) return false;
  const int n = value.number;
  switch (code) {
    case kTextBlockText: block->text = value.text; return true;
    case kTextBlockFont:
      block->font = value.font;
      block->point_size = value.point_size;
      return true;
    case kTextBlockX: block->x = n; return true;
    case kTextBlockY: block->y = n; return true;
    case kTextBlockCx: block->cx = n; return true;
    case kTextBlockCy: block->cy = n; return true;
    case kTextBlockBorder: block->border = n != 0; return true;
    case kTextBlockJustification:
      if (n < kJustifyLeft || n > kJustifyRight) return false;
      block->justification = n;
      return true;
    case kTextBlockAdjustBox: block->adjust_box = n != 0; return true;
  }
  return false;
}
