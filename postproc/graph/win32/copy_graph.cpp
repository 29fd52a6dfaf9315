// Copy Graph: the graph recorded as a metafile and handed on. The clipboard takes ownership
// of the METAFILEPICT block and the metafile once SetClipboardData succeeds; until then, and
// on every failure, they are freed here.
#include "copy_graph.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "../../canvas/win32/gdi_canvas.h"

namespace {

const LONG kPictureWidth = 10000;   // hundredths of a millimetre

// The header that makes a metafile file "placeable": where the picture lies and how many
// of its units make an inch. Little-endian, packed to 16 bits, 22 bytes.
#pragma pack(push, 2)
struct PlaceableHeader {
  uint32_t key;          // 0x9AC6CDD7
  uint16_t handle;       // 0 in a file
  int16_t left, top, right, bottom;
  uint16_t units_per_inch;
  uint32_t reserved;
  uint16_t checksum;     // XOR of the ten 16-bit words before it
};
#pragma pack(pop)
static_assert(sizeof(PlaceableHeader) == 22, "the placeable header is 22 bytes");

uint16_t header_checksum(const PlaceableHeader &h) {
  const uint16_t *words = reinterpret_cast<const uint16_t *>(&h);
  uint16_t sum = 0;
  for (int i = 0; i < 10; i++) sum ^= words[i];
  return sum;
}

}  // namespace

bool metafile_picture_size(int width, int height, LONG *x_ext, LONG *y_ext) {
  if (width <= 0 || height <= 0) return false;
  *x_ext = kPictureWidth;
  *y_ext = static_cast<LONG>(static_cast<long long>(height) * kPictureWidth / width);
  return true;
}

HMETAFILE record_graph_metafile(int width, int height, const DrawPicture &draw) {
  if (width <= 0 || height <= 0) return nullptr;
  HDC dc = CreateMetaFileA(nullptr);
  if (!dc) return nullptr;
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetWindowExtEx(dc, width, height, nullptr);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  {
    GdiCanvas canvas(dc);
    canvas.set_pen({kPenSolid, 0, {0, 0, 0}});
    draw(canvas);
  }
  return CloseMetaFile(dc);
}

bool copy_graph_to_clipboard(HWND owner, int width, int height, const DrawPicture &draw) {
  LONG x_ext, y_ext;
  if (!metafile_picture_size(width, height, &x_ext, &y_ext)) return false;
  HMETAFILE metafile = record_graph_metafile(width, height, draw);
  if (!metafile) return false;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(METAFILEPICT));
  METAFILEPICT *picture = block ? static_cast<METAFILEPICT *>(GlobalLock(block)) : nullptr;
  if (!picture) {
    if (block) GlobalFree(block);
    DeleteMetaFile(metafile);
    return false;
  }
  picture->mm = MM_ANISOTROPIC;
  picture->xExt = x_ext;
  picture->yExt = y_ext;
  picture->hMF = metafile;
  GlobalUnlock(block);

  bool placed = false;
  if (OpenClipboard(owner)) {
    placed = EmptyClipboard() && SetClipboardData(CF_METAFILEPICT, block) != nullptr;
    CloseClipboard();
  }
  if (!placed) {
    GlobalFree(block);
    DeleteMetaFile(metafile);
  }
  return placed;
}

bool save_graph_metafile(const char *path, int width, int height, const DrawPicture &draw) {
  if (width > INT16_MAX || height > INT16_MAX) return false;   // the header's 16-bit bounds
  HMETAFILE metafile = record_graph_metafile(width, height, draw);
  if (!metafile) return false;
  UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
  std::vector<BYTE> bits(size);
  bool got = size > 0 && GetMetaFileBitsEx(metafile, size, bits.data()) == size;
  DeleteMetaFile(metafile);
  if (!got) return false;

  PlaceableHeader header{};
  header.key = 0x9AC6CDD7u;
  header.right = static_cast<int16_t>(width);
  header.bottom = static_cast<int16_t>(height);
  // 100 mm across the width, as the clipboard picture: width units per 100 / 25.4 inches.
  long units_per_inch = (static_cast<long long>(width) * 254 + 500) / 1000;
  header.units_per_inch = static_cast<uint16_t>(units_per_inch < 1 ? 1 : units_per_inch);
  header.checksum = header_checksum(header);

  FILE *file = std::fopen(path, "wb");
  if (!file) return false;
  bool written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                 std::fwrite(bits.data(), 1, bits.size(), file) == bits.size();
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(path);
  return written;
}
