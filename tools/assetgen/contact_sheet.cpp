#include "contact_sheet.hpp"

#include "atomic_file.hpp"
#include "resources/u_data_files.hpp"
#include "text.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace {
constexpr int sheetWidth = 1800;
constexpr int margin = 12;
constexpr int labelSize = 12;
constexpr int labelHeight = 16;
constexpr int maxTileWidth = 560;
constexpr int maxTileHeight = 300;
constexpr TColour paper = hexColour(0x3a3550);
constexpr TColour checkLight = hexColour(0x8d88a3);
constexpr TColour checkDark = hexColour(0x6f6a86);

// Small pictures are enlarged so that their pixels can be judged, large ones reduced to fit.
int zoomFor(const TImage& image) {
    if (image.width() <= 40 && image.height() <= 60) {
        return 3;
    }
    if (image.width() <= 140 && image.height() <= 200) {
        return 2;
    }
    return 1;
}

TImage tileOf(const TImage& image) {
    const int zoom = zoomFor(image);
    if (zoom > 1) {
        return image.resized(image.width() * zoom, image.height() * zoom);
    }
    const float k = std::min({1.0F, static_cast<float>(maxTileWidth) / static_cast<float>(image.width()),
                              static_cast<float>(maxTileHeight) / static_cast<float>(image.height())});
    if (k >= 1.0F) {
        return image;
    }
    return image.resized(std::max(1, static_cast<int>(image.width() * k)),
                         std::max(1, static_cast<int>(image.height() * k)));
}

// A checkerboard behind each tile shows what is transparent.
void drawChecker(TImage& sheet, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const bool light = ((i / 8) + (j / 8)) % 2 == 0;
            sheet.blend(x + i, y + j, light ? checkLight : checkDark, 1.0F);
        }
    }
}

struct TPlacement {
    int x;
    int y;
};

const TImage& find(const TPictureSet& pictures, const std::string& name) {
    static const TImage none;
    for (const TPicture& p : pictures) {
        if (p.name == name) {
            return p.image;
        }
    }
    return none;
}

void fillRect(TImage& image, int x, int y, int w, int h, const TColour& c) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            image.blend(x + i, y + j, c, 1.0F);
        }
    }
}

// A tumbok put together from its sprites the way the game places them around its origin.
void placeTumbok(TImage& scene, const TPictureSet& pictures, int ox, int oy, int team, bool right, int step,
                 const std::string& held) {
    const TImage& flag = find(pictures, dataFile::flag(team, 1));
    fillRect(scene, ox - 11, oy - 8, flag.width() + 2, flag.height() + 2, hexColour(0x000000));
    scene.draw(flag, ox - 10, oy - 7);
    fillRect(scene, ox - 12, oy - 13, 40, 6, hexColour(0x000000));
    fillRect(scene, ox - 11, oy - 12, 30, 4, hexColour(0x00dc00));
    fillRect(scene, ox - 11, oy - 12, 30, 2, hexColour(0x80ed80));
    const TImage& legs = find(pictures, dataFile::tumbokLegs);
    scene.draw(legs.cropped(right ? legs.width() / 2 : 0, step * 24, 16, 24), ox, oy + 26);
    const TImage& body = find(pictures, dataFile::tumbokBellyHead);
    scene.draw(body.cropped(right ? body.width() / 2 : 0, 0, body.width() / 2, body.height()), ox, oy);
    const TImage& hands = find(pictures, dataFile::weapon(held, right));
    scene.draw(hands, ox + 8 - hands.width() / 2, oy + 16 - hands.height() / 2);
}

TImage gameScene(const TPictureSet& pictures) {
    TImage scene(330, 130, hexColour(0x9fcfff));
    const int ground = 112;
    fillRect(scene, 0, ground, 330, 18, palette::soil);
    fillRect(scene, 0, ground, 330, 4, palette::grass);
    placeTumbok(scene, pictures, 20, ground - 46, 0, true, 0, "bazooka");
    placeTumbok(scene, pictures, 70, ground - 46, 1, false, 3, "nothing");
    placeTumbok(scene, pictures, 120, ground - 46, 2, true, 5, "bow");
    placeTumbok(scene, pictures, 170, ground - 46, 3, true, 0, "grenade");
    const TImage& arrow = find(pictures, dataFile::bigArrow);
    scene.draw(arrow, 20 + 8 - arrow.width() / 2, ground - 46 + 16 - arrow.height() - 60);
    scene.draw(find(pictures, dataFile::tumbokDead), 220, ground - 46 + 7);
    scene.draw(find(pictures, dataFile::flag(1, 1)), 220 + 11, ground - 46 + 32);
    scene.draw(find(pictures, dataFile::explosif), 260, ground - 28);
    scene.draw(find(pictures, dataFile::windSockRight), 292, ground - 56);
    return scene;
}

// Font strips are shown as a grid of cells so that every glyph can be read.
TImage fontGrid(const TImage& strip) {
    const int cell = strip.height() * 3 / 4;
    const int perRow = 24;
    TImage grid(cell * perRow, strip.height() * 4, hexColour(0x5fa8ff));
    for (int i = 0; i < 95; ++i) {
        grid.draw(strip.cropped(i * cell, 0, cell, strip.height()), (i % perRow) * cell,
                  (i / perRow) * strip.height());
    }
    return grid;
}

TImage composeContactSheet(const TPictureSet& originals) {
    TPictureSet pictures;
    pictures.push_back({"", "in-game composition (3x)", gameScene(originals), TPngKind::PngOpaque});
    for (const TPicture& p : originals) {
        pictures.push_back(p);
        if (p.category == "fonts") {
            pictures.back().image = fontGrid(p.image);
        }
    }
    std::vector<TImage> tiles;
    std::vector<TPlacement> places;
    int x = margin;
    int y = margin;
    int rowHeight = 0;
    for (const TPicture& picture : pictures) {
        tiles.push_back(picture.category.empty()
                            ? picture.image.resized(picture.image.width() * 3, picture.image.height() * 3)
                            : tileOf(picture.image));
        const TImage& tile = tiles.back();
        const int w = std::max(tile.width(), captionWidth(picture.name, labelSize));
        if (x + w > sheetWidth - margin && x > margin) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + margin;
        rowHeight = std::max(rowHeight, tile.height() + labelHeight + 4);
    }
    TImage sheet(sheetWidth, y + rowHeight + margin, paper);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const TPlacement& p = places[i];
        drawCaption(sheet, pictures[i].name, p.x, p.y, labelSize, palette::glyph);
        drawChecker(sheet, p.x, p.y + labelHeight + 2, tiles[i].width(), tiles[i].height());
        sheet.draw(tiles[i], p.x, p.y + labelHeight + 2);
    }
    return sheet;
}
} // namespace

void writeContactSheet(const std::filesystem::path& file) {
    writeFileAtomically(file, encodePng(composeContactSheet(buildAllPictures()), TPngKind::PngOpaque));
}
