// Builds every picture of the game and writes each under the data directory.
#include "atomic_file.hpp"
#include "backgrounds.hpp"
#include "branding.hpp"
#include "effects.hpp"
#include "fonts.hpp"
#include "generators.hpp"
#include "picture_set.hpp"
#include "props.hpp"
#include "terrains.hpp"
#include "tumbok.hpp"
#include "ui.hpp"
#include "weapons.hpp"

TPictureSet buildAllPictures() {
    TPictureSet set;
    addFontPictures(set);
    addTumbokPictures(set);
    addWeaponPictures(set);
    addEffectPictures(set);
    addPropPictures(set);
    addTerrainPictures(set);
    addBackgroundPictures(set);
    addUiPictures(set);
    addBrandingPictures(set);
    return set;
}

void generatePictures(const std::filesystem::path& dataDirectory) {
    for (const TPicture& picture : buildAllPictures()) {
        writeFileAtomically(dataDirectory / picture.category / picture.name,
                            encodePng(picture.image, picture.kind));
    }
}
