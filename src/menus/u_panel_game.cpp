#include "menus/u_panel_game.hpp"

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "app/u_screen_loop.hpp"
#include "menus/u_data_maps.hpp"
#include "physics/u_physics_placement.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_diagnostics.hpp"
#include "resources/u_font.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_png_header.hpp"
#include "resources/u_solid_mask.hpp"
#include "resources/u_surface_utils.hpp"
#include "widgets/u_widgets_basic_menu.hpp"
#include "widgets/u_widgets_button.hpp"
#include "widgets/u_widgets_numeric.hpp"
#include "widgets/u_widgets_packer.hpp"
#include "widgets/u_widgets_preview.hpp"

#include <initializer_list>
#include <optional>

namespace {

constexpr int panelX = 50;
constexpr int panelY = 100;
constexpr int panelWidth = 700;
constexpr int rowHeight = 200;
constexpr int mapMenuSize = 200;
constexpr int fieldWidth = 150;
// "Tumboks : 300" takes 154 px in the small font; still inside its quarter of the row.
constexpr int tumboksFieldWidth = 160;
constexpr int wideFieldWidth = 200;
constexpr int fieldHeight = 200;
constexpr int buttonWidth = 150;
constexpr int buttonHeight = 48;
constexpr int buttonsY = 500;
constexpr int buttonHalfWidth = 350;
constexpr int noticeY = 556;

bool isPicture(const SDL_Surface* picture) {
    return picture != nullptr && picture->w > 0 && picture->h > 0;
}

// Why the terrain picture cannot hold a match, naming the file; empty when it can, with its solid mask made.
// Only a picture that did not load has its header read again: the loader refuses a picture too large
// without decoding it, and the header tells that apart from a broken file.
std::string terrainRefusal(const std::string& file, SDL_Surface* terrain, TSolidMask& solid) {
    if (!isPicture(terrain)) {
        const std::optional<TPictureSize> declared = pngSize(mapPath(file));
        if (declared && !fitsWithin(*declared, mapPictureBound)) {
            return file + " is too large (at most " + std::to_string(mapMaxWidth) + " x " +
                   std::to_string(mapMaxHeight) + ")";
        }
        return file + " cannot be read as a picture";
    }
    if (terrain->w < TPanelGame::terrainMinWidth || terrain->h < TPanelGame::terrainMinHeight) {
        return file + " is too small (at least " + std::to_string(TPanelGame::terrainMinWidth) + " x " +
               std::to_string(TPanelGame::terrainMinHeight) + ")";
    }
    solid = solidMaskOf(terrain);
    if (!tumbokCanStand(solid)) {
        return file + " has no place where a tumbok can stand";
    }
    return {};
}

} // namespace

TPanelGame::TPanelGame(TDisplay& display, TContext& context, TFont& font, TNoise& noise)
    : TPrefBase(display, context, font, noise),
      mainPacker(std::make_unique<TWidgetPacker>(panelWidth, 2 * rowHeight, 1, 2)) {
    mainPacker->setPosition(panelX, panelY);
    std::unique_ptr<TWidgetPacker> mapsRow = buildMapsRow();
    std::unique_ptr<TWidgetPacker> numbersRow = buildNumbersRow();
    placeButtons();
    mapsPacker = &mainPacker->add(std::move(mapsRow));
    numbersPacker = &mainPacker->add(std::move(numbersRow));
    updateNotice();
}

TPanelGame::~TPanelGame() = default;

std::unique_ptr<TWidgetPacker> TPanelGame::buildMapsRow() {
    auto row = std::make_unique<TWidgetPacker>(panelWidth, rowHeight, 3, 1);
    const TPreferences& preferences = context.preferences;
    auto previewWidget = std::make_unique<TWidgetPreview>();
    previewWidget->setMaps(preferences.gameMap, preferences.gameBackground);
    previewWidget->draw();
    auto fore = std::make_unique<TWidgetBasicMenu>(mapMenuSize, mapMenuSize, 0, 0, TSize::SizeSmall, font);
    auto back = std::make_unique<TWidgetBasicMenu>(mapMenuSize, mapMenuSize, 0, 0, TSize::SizeSmall, font);
    foreMenu = fore.get();
    backMenu = back.get();
    fillMapMenus();
    foreMenu->draw();
    backMenu->draw();
    row->add(std::move(back));
    row->add(std::move(fore));
    preview = &row->add(std::move(previewWidget));
    return row;
}

std::unique_ptr<TWidgetPacker> TPanelGame::buildNumbersRow() {
    auto row = std::make_unique<TWidgetPacker>(panelWidth, rowHeight, 4, 1);
    TPreferences& preferences = context.preferences;
    // Each field clamps its preference at once: the numbers of a first run (all 0) become a valid match.
    constexpr const TSetting& teams = settingOf(&TPreferences::nbTeams);
    constexpr const TSetting& tumboks = settingOf(&TPreferences::nbTumboks);
    constexpr const TSetting& ai = settingOf(&TPreferences::nbAi);
    constexpr const TSetting& boxes = settingOf(&TPreferences::nbExplosifs);
    teamsField = &row->add(std::make_unique<TWidgetNumeric>(fieldWidth, fieldHeight, "Teams :", teamsMin,
                                                            teams.high, &preferences.nbTeams, font));
    tumboksField =
        &row->add(std::make_unique<TWidgetNumeric>(tumboksFieldWidth, fieldHeight, "Tumboks :", tumboks.low,
                                                   tumboks.high, &preferences.nbTumboks, font));
    aiField = &row->add(std::make_unique<TWidgetNumeric>(fieldWidth, fieldHeight, "AI :", ai.low, ai.high,
                                                         &preferences.nbAi, font));
    boomboxesField = &row->add(std::make_unique<TWidgetNumeric>(
        wideFieldWidth, fieldHeight, "BoomBoxes :", boxes.low, boxes.high, &preferences.nbExplosifs, font));
    // Shown valid from the first frame, not only after the first event.
    keepAiBelowTeams();
    return row;
}

void TPanelGame::placeButtons() {
    quitButton =
        std::make_unique<TWidgetButton>(buttonWidth, buttonHeight, dataFile::buttonCancel, "Quit", font);
    playButton =
        std::make_unique<TWidgetButton>(buttonWidth, buttonHeight, dataFile::buttonOk, "Play !", font);
    quitButton->setPosition((buttonHalfWidth - quitButton->rect.w) / 2 + panelX, buttonsY);
    playButton->setPosition((buttonHalfWidth - playButton->rect.w) / 2 + buttonHalfWidth + panelX, buttonsY);
}

void TPanelGame::fillMapMenus() {
    catalogue = std::make_unique<TMaps>();
    const TPreferences& preferences = context.preferences;
    for (std::size_t i = 0; i < catalogue->list.size(); ++i) {
        const TMapImg& record = catalogue->list[i];
        const auto value = static_cast<std::int32_t>(i);
        if (record.mapType == TMapType::MapBack) {
            backMenu->addItem(record.name, value, createSurface(0, 0, false));
            if (record.filename == preferences.gameBackground) {
                backMenu->selectByValue(value);
            }
        } else if (record.mapType == TMapType::MapFore) {
            foreMenu->addItem(record.name, value, createSurface(0, 0, false));
            if (record.filename == preferences.gameMap) {
                foreMenu->selectByValue(value);
            }
        }
    }
}

void TPanelGame::applyMaps(const std::string& terrain, const std::string& background) {
    preview->setMaps(terrain, background);
    context.preferences.gameMap = terrain;
    context.preferences.gameBackground = background;
}

bool TPanelGame::hasMaps() const {
    return !foreMenu->items.empty() && !backMenu->items.empty();
}

const std::string& TPanelGame::selectedFile(const TWidgetBasicMenu& menu) const {
    return catalogue->list[static_cast<std::size_t>(menu.selectedValue())].filename;
}

std::string TPanelGame::checkMaps(TSolidMask& solid) {
    if (!hasMaps()) {
        return noMapText;
    }
    const std::string& terrainFile = selectedFile(*foreMenu);
    const std::string& backgroundFile = selectedFile(*backMenu);
    // The preview follows the menus; it loads only when an event of this frame changed the choice.
    applyMaps(terrainFile, backgroundFile);
    if (!isPicture(preview->background.get())) {
        return backgroundFile + " cannot be read as a picture";
    }
    return terrainRefusal(terrainFile, preview->terrain.get(), solid);
}

bool TPanelGame::handedOver() const {
    const TCheckedMaps& checked = context.checkedMaps;
    return hasMaps() && checked.terrain && checked.terrainName == selectedFile(*foreMenu) &&
           checked.backgroundName == selectedFile(*backMenu);
}

void TPanelGame::keepAiBelowTeams() {
    // At least one team is always left to a person.
    aiField->setRange(0, context.preferences.nbTeams - 1);
}

bool TPanelGame::startMatch(TScreenType& next) {
    if (!handedOver()) {
        TSolidMask solid;
        const std::string refusal = checkMaps(solid);
        if (!refusal.empty()) {
            diagnosticLine(refusal);
            setNotice(refusal);
            refusedFore_ = foreMenu->selectedValue();
            refusedBack_ = backMenu->selectedValue();
            return true;
        }
        context.checkedMaps = {selectedFile(*foreMenu), std::move(preview->terrain), std::move(solid),
                               selectedFile(*backMenu), std::move(preview->background)};
    }
    context.gameType = TGameType::GameLocal;
    next = finish(TScreenType::ScreenGame);
    return false;
}

bool TPanelGame::handleScreenEvent(const SDL_Event& event, TScreenType& next) {
    mainPacker->handleEvent(event);
    keepAiBelowTeams();
    bool stay = true;
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (quitButton->handleEvent(event)) {
            next = TScreenType::ScreenNone;
            stay = false;
        } else if (playButton->handleEvent(event)) {
            stay = startMatch(next);
        }
    } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_RETURN) {
        stay = startMatch(next);
    }
    return TPrefBase::handleScreenEvent(event, next) && stay;
}

void TPanelGame::setNotice(const std::string& text) {
    if (text == notice_) {
        return;
    }
    notice_ = text;
    noticeSurface_ = font.renderText(notice_, TSize::SizeSmall, 0);
}

void TPanelGame::updateNotice() {
    if (!hasMaps()) {
        setNotice(noMapText);
    } else if (foreMenu->selectedValue() != refusedFore_ || backMenu->selectedValue() != refusedBack_) {
        setNotice({});
    }
}

void TPanelGame::drawNotice() {
    if (notice_.empty()) {
        return;
    }
    blitAt(noticeSurface_.get(), display.screen, (TDisplay::width - noticeSurface_->w) / 2, noticeY);
}

void TPanelGame::drawScreen() {
    TPrefBase::drawScreen();
    // An empty menu has no selection: the preferences keep their maps until a catalogue offers some.
    if (hasMaps()) {
        applyMaps(selectedFile(*foreMenu), selectedFile(*backMenu));
    }
    updateNotice();
    preview->draw();
    foreMenu->draw();
    backMenu->draw();
    mainPacker->draw();
    SDL_Surface* screen = display.screen;
    for (const TWidgetBasic* widget :
         std::initializer_list<const TWidgetBasic*>{mainPacker.get(), quitButton.get(), playButton.get()}) {
        blitAt(widget->surface.get(), screen, widget->rect.x, widget->rect.y);
    }
    drawNotice();
}

TScreenType TPanelGame::run() {
    setKeyRepeat(false);
    mainPacker->draw();
    const TScreenType next = runScreenFrames(display, "Setup panel", [this](TLeaveDecision& decision) {
        drawScreen();
        pollScreenEvents(decision, [this](const SDL_Event& event, TScreenType& next) {
            return handleScreenEvent(event, next);
        });
        drawScreen();
    });
    // Maps handed over for a match that a later event of the frame called off are not kept.
    if (next != TScreenType::ScreenGame) {
        context.checkedMaps = {};
    }
    return next;
}
