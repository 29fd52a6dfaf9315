// ulmo_imagegen: turns readable pixel art into the icon, cursor and bitmap files that the
// resource script names, so that every image of the program can be read and changed as text.
//
//   ulmo_imagegen ART OUT
//
// An art file holds directives, one per line, and the pixel rows of its images:
//   kind icon | cursor | bitmap
//   colour C R G B     the character C paints this colour
//   colour C none      C is transparent (icons and cursors only)
//   hotspot X Y        the cursor's hot spot
//   scale N            every pixel of a bitmap becomes N x N (default 1)
//   image W H          followed by H rows of exactly W characters
// Lines beginning with "#" are comments; blank lines are allowed between images.
// Icons and cursors keep one entry per image, and an icon without a 32 x 32 image gets its
// 16 x 16 image doubled. A bitmap places its images side by side into one strip, all of the
// same height; it is written with 8 bits per pixel and the art's colours as its colour table
// (in the art's order), so that the toolbar control can map the background to button face.
//
// Icons and cursors are 32-bit images with an alpha channel and an AND mask; the mask is set
// exactly where the art is transparent.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Colour {
  uint8_t r, g, b;
  bool transparent;
};

struct Image {
  int width = 0, height = 0;
  std::vector<std::string> rows;
};

enum class Kind { none, icon, cursor, bitmap };

struct Art {
  Kind kind = Kind::none;
  std::map<char, Colour> colours;
  std::vector<char> colour_order;  // the bitmap's colour table
  int hot_x = 0, hot_y = 0;
  int scale = 1;
  std::vector<Image> images;
};

std::string art_name;

[[noreturn]] void fail(int line, const std::string &message) {
  if (line > 0)
    fprintf(stderr, "%s:%d: %s\n", art_name.c_str(), line, message.c_str());
  else
    fprintf(stderr, "%s: %s\n", art_name.c_str(), message.c_str());
  exit(1);
}

bool read_int(std::istringstream &in, int low, int high, int &value) {
  return static_cast<bool>(in >> value) && value >= low && value <= high;
}

void parse_colour(std::istringstream &in, int line, Art &art) {
  std::string symbol;
  std::vector<std::string> values;
  in >> symbol;
  for (std::string v; in >> v;) values.push_back(v);
  if (symbol.size() != 1) fail(line, "colour needs one character");
  char c = symbol[0];
  if (art.colours.count(c)) fail(line, std::string("colour '") + c + "' given twice");
  Colour colour{0, 0, 0, false};
  if (values.size() == 1 && values[0] == "none") {
    colour.transparent = true;
  } else {
    int rgb[3];
    std::istringstream numbers(values.size() == 3 ? values[0] + " " + values[1] + " " + values[2] : "");
    for (int &v : rgb)
      if (!read_int(numbers, 0, 255, v)) fail(line, "colour needs R G B of 0..255, or none");
    colour = Colour{static_cast<uint8_t>(rgb[0]), static_cast<uint8_t>(rgb[1]), static_cast<uint8_t>(rgb[2]), false};
  }
  art.colours[c] = colour;
  art.colour_order.push_back(c);
}

Art parse_art(std::istream &file) {
  Art art;
  std::string text;
  int line = 0;
  while (std::getline(file, text)) {
    line++;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty() || text[0] == '#') continue;
    std::istringstream in(text);
    std::string word;
    in >> word;
    if (word == "kind") {
      std::string kind;
      in >> kind;
      if (kind == "icon") art.kind = Kind::icon;
      else if (kind == "cursor") art.kind = Kind::cursor;
      else if (kind == "bitmap") art.kind = Kind::bitmap;
      else fail(line, "kind is icon, cursor or bitmap");
    } else if (word == "colour") {
      parse_colour(in, line, art);
    } else if (word == "hotspot") {
      if (!read_int(in, 0, 255, art.hot_x) || !read_int(in, 0, 255, art.hot_y)) fail(line, "bad hot spot");
    } else if (word == "scale") {
      if (!read_int(in, 1, 16, art.scale)) fail(line, "scale is 1..16");
    } else if (word == "image") {
      Image image;
      const int image_line = line;
      if (!read_int(in, 1, 4096, image.width) || !read_int(in, 1, 4096, image.height))
        fail(line, "image needs a width and a height");
      for (int y = 0; y < image.height; y++) {
        if (!std::getline(file, text)) fail(image_line, "the image ends early");
        line++;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (static_cast<int>(text.size()) != image.width)
          fail(line, "row has " + std::to_string(text.size()) + " pixels, not " + std::to_string(image.width));
        for (char c : text)
          if (!art.colours.count(c)) fail(line, std::string("no colour for '") + c + "'");
        image.rows.push_back(text);
      }
      art.images.push_back(image);
    } else {
      fail(line, "unknown directive '" + word + "'");
    }
  }
  if (art.kind == Kind::none) fail(0, "no kind given");
  if (art.images.empty()) fail(0, "no image");
  return art;
}

Image doubled(const Image &image) {
  Image big;
  big.width = image.width * 2;
  big.height = image.height * 2;
  for (const std::string &row : image.rows) {
    std::string wide;
    for (char c : row) wide += std::string(2, c);
    big.rows.push_back(wide);
    big.rows.push_back(wide);
  }
  return big;
}

void put16(std::string &out, unsigned v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string &out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// BITMAPINFOHEADER; icon images declare twice their height (the colour rows, then the mask).
void put_info_header(std::string &out, int width, int height, int bits, uint32_t image_size, int colours) {
  put32(out, 40);
  put32(out, static_cast<uint32_t>(width));
  put32(out, static_cast<uint32_t>(height));
  put16(out, 1);
  put16(out, static_cast<unsigned>(bits));
  put32(out, 0);  // BI_RGB
  put32(out, image_size);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, static_cast<uint32_t>(colours));
  put32(out, 0);
}

// One icon or cursor image: 32-bit BGRA rows bottom-up, then the AND mask rows bottom-up,
// each mask row padded to 32 bits.
std::string icon_image(const Art &art, const Image &image) {
  const int mask_stride = ((image.width + 31) / 32) * 4;
  const uint32_t colour_size = static_cast<uint32_t>(image.width * image.height * 4);
  const uint32_t mask_size = static_cast<uint32_t>(mask_stride * image.height);
  std::string out;
  put_info_header(out, image.width, image.height * 2, 32, colour_size + mask_size, 0);
  for (int y = image.height - 1; y >= 0; y--)
    for (char c : image.rows[static_cast<size_t>(y)]) {
      const Colour &colour = art.colours.at(c);
      out += static_cast<char>(colour.transparent ? 0 : colour.b);
      out += static_cast<char>(colour.transparent ? 0 : colour.g);
      out += static_cast<char>(colour.transparent ? 0 : colour.r);
      out += static_cast<char>(colour.transparent ? 0 : 0xFF);
    }
  for (int y = image.height - 1; y >= 0; y--) {
    std::string row(static_cast<size_t>(mask_stride), '\0');
    for (int x = 0; x < image.width; x++)
      if (art.colours.at(image.rows[static_cast<size_t>(y)][static_cast<size_t>(x)]).transparent)
        row[static_cast<size_t>(x / 8)] = static_cast<char>(row[static_cast<size_t>(x / 8)] | (0x80 >> (x % 8)));
    out += row;
  }
  return out;
}

// ICONDIR and its 16-byte entries; a cursor's entry holds the hot spot where an icon's holds
// planes and bit count.
std::string icon_file(const Art &art) {
  std::vector<Image> images = art.images;
  if (art.kind == Kind::icon) {
    bool has_32 = false;
    const Image *small = nullptr;
    for (const Image &image : images) {
      if (image.width != image.height || (image.width != 16 && image.width != 32))
        fail(0, "icon images are 16 x 16 or 32 x 32");
      if (image.width == 32) has_32 = true;
      if (image.width == 16) small = &image;
    }
    if (!has_32 && small) images.push_back(doubled(*small));
  }
  if (art.kind == Kind::cursor) {
    if (images.size() != 1) fail(0, "a cursor has one image");
    if (art.hot_x >= images[0].width || art.hot_y >= images[0].height) fail(0, "hot spot outside the image");
  }
  for (const Image &image : images)
    if (image.width > 256 || image.height > 256) fail(0, "icon and cursor images are at most 256 pixels");
  std::vector<std::string> data;
  for (const Image &image : images) data.push_back(icon_image(art, image));
  std::string out;
  put16(out, 0);
  put16(out, art.kind == Kind::cursor ? 2 : 1);
  put16(out, static_cast<unsigned>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); i++) {
    out += static_cast<char>(images[i].width & 0xFF);  // 256 is written as 0
    out += static_cast<char>(images[i].height & 0xFF);
    out += '\0';  // no colour table
    out += '\0';
    if (art.kind == Kind::cursor) {
      put16(out, static_cast<unsigned>(art.hot_x));
      put16(out, static_cast<unsigned>(art.hot_y));
    } else {
      put16(out, 1);
      put16(out, 32);
    }
    put32(out, static_cast<uint32_t>(data[i].size()));
    put32(out, offset);
    offset += static_cast<uint32_t>(data[i].size());
  }
  for (const std::string &d : data) out += d;
  return out;
}

// A .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, colour table, 8-bit rows bottom-up.
std::string bitmap_file(const Art &art) {
  const int height = art.images[0].height;
  int width = 0;
  for (const Image &image : art.images) {
    if (image.height != height) fail(0, "the images of a strip share one height");
    width += image.width;
  }
  if (art.colour_order.size() > 256) fail(0, "a bitmap has at most 256 colours");
  std::map<char, int> index;
  for (size_t i = 0; i < art.colour_order.size(); i++) {
    if (art.colours.at(art.colour_order[i]).transparent) fail(0, "bitmaps have no transparent colour");
    index[art.colour_order[i]] = static_cast<int>(i);
  }
  std::vector<std::string> strip(static_cast<size_t>(height));
  for (const Image &image : art.images)
    for (int y = 0; y < height; y++) strip[static_cast<size_t>(y)] += image.rows[static_cast<size_t>(y)];

  const int out_width = width * art.scale, out_height = height * art.scale;
  const int stride = (out_width + 3) / 4 * 4;
  const int colours = static_cast<int>(art.colour_order.size());
  const uint32_t pixel_size = static_cast<uint32_t>(stride * out_height);
  const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(colours);
  std::string out = "BM";
  put32(out, offset + pixel_size);
  put32(out, 0);
  put32(out, offset);
  put_info_header(out, out_width, out_height, 8, pixel_size, colours);
  for (char c : art.colour_order) {
    const Colour &colour = art.colours.at(c);
    out += static_cast<char>(colour.b);
    out += static_cast<char>(colour.g);
    out += static_cast<char>(colour.r);
    out += '\0';
  }
  for (int y = out_height - 1; y >= 0; y--) {
    std::string row(static_cast<size_t>(stride), '\0');
    for (int x = 0; x < out_width; x++)
      row[static_cast<size_t>(x)] = static_cast<char>(
          index.at(strip[static_cast<size_t>(y / art.scale)][static_cast<size_t>(x / art.scale)]));
    out += row;
  }
  return out;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: ulmo_imagegen ART OUT\n");
    return 2;
  }
  art_name = argv[1];
  std::ifstream file(argv[1]);
  if (!file) fail(0, "cannot be read");
  Art art = parse_art(file);
  std::string data = art.kind == Kind::bitmap ? bitmap_file(art) : icon_file(art);
  std::ofstream out(argv[2], std::ios::binary);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) {
    fprintf(stderr, "%s: cannot be written\n", argv[2]);
    return 1;
  }
  return 0;
}
