#pragma once
// The program's pictures: its own picture files, read as the format they are in, and the
// frame's image list `Images` of 36 pictures of 16 x 16 that the menus of the frame and of
// the windows show beside their items.
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vdl {

// One of the program's own pictures from the resources, read as format ("png", "jpeg")
// without asking every image plugin what the file might be. Null when it cannot be read.
QPixmap ReadPicture(const QString& path, const char* format);

// Positions in the image list.
enum ImageIndex : int {
    ImgSpeichern = 0,
    ImgLoeschen = 1,
    ImgInZwischenablage = 2,
    ImgZwischenablageBearbeiten = 3,
    ImgDrucken = 4,
    ImgDruckerEinrichten = 5,
    ImgHistorieSpeichern = 6,
    ImgFensterBeenden = 7,
    ImgAllesSchliessen = 8,
    ImgWaehrungen = 9,
    ImgBenennen = 10,
    ImgPostenZaehlen = 11,
    ImgRahmenAnpassen = 12,
    ImgEinstellungenLaden = 13,
    ImgBeenden = 14,
    ImgMinuswerteRot = 15,
    ImgHauptsysteme = 16,
    ImgAlphaPad = 17,
    ImgNeuerRechner = 18,
    ImgNeuerSpeicher = 19,
    ImgKurzanleitung = 20,
    ImgSysteminformation = 21,
    ImgProduktinformation = 22,
    ImgUeberlappend = 23,
    ImgUntereinander = 24,
    ImgNebeneinander = 25,
    ImgSymboleAnordnen = 26,
    ImgRechnerVerbinden = 27,
    ImgSpeicherVerbinden = 28,
    ImgSpeicherTrennen = 29,
    ImgAutomatikEin = 30,
    ImgAutomatikAus = 31,
    ImgUmrechnen = 32,
    ImgMarkierung = 33,
    ImgTextverarbeitung = 34,
    ImgTabellenkalkulation = 35,
    ImageCount = 36
};

// Picture Index of the image list, drawn when first shown; null outside 0..35.
QIcon Images(int Index);

} // namespace vdl
