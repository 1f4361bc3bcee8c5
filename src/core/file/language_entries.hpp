// The language file's entries beyond the caption table (61 and up): one constant each, with
// the German text the program shows when the file lacks the entry or leaves it empty, so an
// older language file still works. Each feature has its own range; a new text takes the next
// free number of its range and is added to the English and German files.
#pragma once

#include <cstddef>
#include <string_view>

namespace korvane {

struct LanguageEntry {
    std::size_t index;
    std::string_view germanDefault;
};

// How many lines of the language file are read: one per entry up to the last range's end.
inline constexpr std::size_t kLanguageFileLines = 170;

namespace entries {

// 61-63: tooltips (63 is kept free: Save's question about the game's changes is 95).
inline constexpr LanguageEntry kToolTipLine{61, "Zeile"};
inline constexpr LanguageEntry kNotInThisFile{62, "Nicht in dieser Datei"};

// 64-69: safe Load, Save and Quit.
inline constexpr LanguageEntry kNotLoadedCompletely{
    64, "f1graphics.cfg wurde nicht vollst\xe4ndig geladen, darum wurde nichts gespeichert. "
        "Bitte zuerst erfolgreich laden."};
inline constexpr LanguageEntry kSaveChanges{65, "\xc4nderungen an f1graphics.cfg speichern?"};
inline constexpr LanguageEntry kDiscardChanges{
    66, "Ihre \xc4nderungen verwerfen und f1graphics.cfg neu laden?"};
inline constexpr LanguageEntry kValueBreaksLine{
    67, "Ein Wert darf weder ';' noch Steuerzeichen enthalten: sonst \xe4ndert sich, wo der Wert "
        "der Zeile endet."};
inline constexpr LanguageEntry kFileKeptChanging{
    68, "Die Datei wurde w\xe4hrend des Lesens von einem anderen Programm ge\xe4ndert. Bitte "
        "warten, bis das Spiel sie geschrieben hat, und es erneut versuchen."};
inline constexpr LanguageEntry kNewContentKept{
    69, "Die neuen Einstellungen konnten nicht an die Stelle von f1graphics.cfg treten. Sie "
        "wurden in dieser Datei aufbewahrt:"};

// 70-79: the manual page's guidance. %1 and %2 stand for numbers or lists of them.
inline constexpr LanguageEntry kRange{70, "%1 bis %2"};
inline constexpr LanguageEntry kOneOf{71, "einer von %1"};
inline constexpr LanguageEntry kOutsideRange{72, "%1 liegt au\xdf"
                                                 "erhalb von %2"};
inline constexpr LanguageEntry kNotOneOf{73, "%1 ist keiner von %2"};
inline constexpr LanguageEntry kNoChoice{74, "%1 steht nicht zur Auswahl"};
inline constexpr LanguageEntry kNotWholeNumber{75, "Keine ganze Zahl"};
inline constexpr LanguageEntry kLinesChanged{76, "%1 Zeilen ge\xe4n&dert"};
inline constexpr LanguageEntry kOneLineChanged{77, "1 Zeile ge\xe4n&dert"};
inline constexpr LanguageEntry kRestoreValue{78, "Zu&r\xfc"
                                                 "ck"};
inline constexpr LanguageEntry kFindLine{79, "Suchen"};

// 80-89: profiles. %1 stands for a profile's name.
inline constexpr LanguageEntry kProfileLabel{80, "&Profil:"};
inline constexpr LanguageEntry kProfileUse{81, "&Verwenden"};
inline constexpr LanguageEntry kProfileSaveAs{82, "Als Profil spei&chern\x85"};
inline constexpr LanguageEntry kProfileShown{
    83, "Profil %1 wird angezeigt. Speichern schreibt es in f1graphics.cfg."};
inline constexpr LanguageEntry kProfileInUse{84, "in Gebrauch"};
inline constexpr LanguageEntry kProfileReplace{85, "Das Profil %1 gibt es schon. M\xf6"
                                                   "chten Sie es ersetzen?"};
inline constexpr LanguageEntry kProfileNameLength{86,
                                                  "Der Name eines Profils hat 1 bis 40 Zeichen."};
inline constexpr LanguageEntry kProfileNameCharacter{
    87, "Der Name eines Profils darf keines der Zeichen \\ / : * ? \" < > | und keine "
        "Steuerzeichen enthalten."};
inline constexpr LanguageEntry kProfileNameEnding{
    88, "Der Name eines Profils darf nicht auf einen Punkt oder ein Leerzeichen enden."};
inline constexpr LanguageEntry kProfileNameReserved{
    89, "Dieser Name ist vergeben: CON, PRN, AUX, NUL, COM1 bis COM9, LPT1 bis LPT9 (auch mit "
        "Endung) und Namen mit ~ vor einer Ziffer geh\xf6ren Windows, Namen, die mit f1graphics "
        "beginnen, dem Spiel."};

// 90: the Info page's last line.
inline constexpr LanguageEntry kInfoLastLine{90, "Updates, Sprachpakete, Hilfe usw. gibt es auf:"};

// 120-139: messages that say what to fix, and the Info page without contacts. In the second
// line of a message %1 is the file's full path and %2 its folder, the registry key or the
// last line the file has. (120 is kept free.)
inline constexpr LanguageEntry kRegistryValueUnreadable{
    121, "Der Wert Directory unter %2 nennt keinen Ordner. F\xfchren Sie das Setup des Spiels "
         "einmal aus, um ihn zu reparieren."};
inline constexpr LanguageEntry kFolderMissing{
    122, "%1: Den Ordner %2 gibt es nicht. Wurde das Spiel verschoben, f\xfchren Sie sein Setup "
         "einmal aus, damit die Registrierung den neuen Ordner nennt."};
inline constexpr LanguageEntry kFileMissing{
    123, "%1 gibt es nicht. Das Spiel schreibt f1graphics.cfg, wenn es startet: Starten Sie es "
         "einmal und laden Sie dann erneut."};
inline constexpr LanguageEntry kFileReadOnly{
    124, "%1 ist schreibgesch\xfctzt: Entfernen Sie in den Eigenschaften der Datei das H\xe4"
         "kchen "
         "bei \x84Schreibgesch\xfctzt\x93 und versuchen Sie es erneut."};
inline constexpr LanguageEntry kFolderInTheWay{
    125, "%1 ist ein Ordner, wo eine Datei hingeh\xf6rt: Verschieben Sie ihn und versuchen Sie es "
         "erneut."};
inline constexpr LanguageEntry kFileInUse{126, "%1 ist in einem anderen Programm ge\xf6"
                                               "ffnet (im Spiel?): Schlie\xdf"
                                               "en Sie es und "
                                               "versuchen Sie es erneut."};
inline constexpr LanguageEntry kAccessDenied{127,
                                             "%1: Windows verweigert den Zugriff. Schlie\xdf"
                                             "en Sie das Spiel und pr\xfc"
                                             "fen Sie, ob "
                                             "Ihr Konto in diesem Ordner Dateien \xe4ndern darf."};
inline constexpr LanguageEntry kFileEndsEarly{
    128, "%1 endet nach Zeile %2: Die Datei ist unvollst\xe4ndig. Ersetzen Sie sie durch eine "
         "vollst\xe4ndige Kopie (jedes Speichern bewahrt die vorige als f1graphics.cfg.bak auf)."};
inline constexpr LanguageEntry kFileEmpty{
    129, "%1 ist leer. Ersetzen Sie die Datei durch eine vollst\xe4ndige Kopie (jedes Speichern "
         "bewahrt die vorige als f1graphics.cfg.bak auf)."};
inline constexpr LanguageEntry kLanguageFileLookedFor{
    130, "Gesucht wurde sie hier: %1\rStarten Sie Korvane aus seinem eigenen Ordner oder kopieren "
         "Sie eine Datei aus seinem Ordner languages als language.txt dorthin."};
inline constexpr LanguageEntry kInfoReadme{
    131, "Hilfe, Neuigkeiten und wohin Sie Fehler melden: README.txt im Ordner von Korvane."};
// A value refused because the pages could not show it again (%1 the line, %2 the values
// the line's comment states), and Load's words for a file it cannot show (in the second
// line %1 is the file's full path, %2 a line, %3 its value).
inline constexpr LanguageEntry kWholeNumberOnly{132, "In Zeile %1 geh\xf6rt nur eine ganze Zahl."};
inline constexpr LanguageEntry kWholeNumberIn{133,
                                              "In Zeile %1 geh\xf6rt nur eine ganze Zahl (%2)."};
inline constexpr LanguageEntry kValueNeeded{
    134, "Zeile %1 braucht einen Wert: Sie darf nicht leer bleiben."};
inline constexpr LanguageEntry kLineNotWholeNumber{
    135, "Zeile %2 von %1 enth\xe4lt '%3', wo eine ganze Zahl hingeh\xf6rt. Korrigieren Sie sie "
         "auf der Seite Manuell bearbeiten."};
inline constexpr LanguageEntry kNoOptions{136, "Das ist keine Grafikeinstellungsdatei"};
// A marked setting's tooltip row: %1 the line, %2 its value, %3 its comment.
inline constexpr LanguageEntry kToolTipLineHolds{138, "Zeile %1 enth\xe4lt '%2': %3"};
inline constexpr LanguageEntry kNoOptionsHeld{
    137, "%1 enth\xe4lt keine Grafikeinstellungen (ist sie besch\xe4"
         "digt?). Ersetzen Sie sie durch eine vollst\xe4ndige Kopie (jedes Speichern bewahrt "
         "die vorige als f1graphics.cfg.bak auf)."};

// 91-99: what Save will change. %1 stands for a number or a value.
inline constexpr LanguageEntry kChanges{91, "%1 ge\xe4ndert"};
inline constexpr LanguageEntry kOneChange{92, "1 ge\xe4ndert"};
inline constexpr LanguageEntry kFileValue{93, "f1graphics.cfg: %1"};
inline constexpr LanguageEntry kChangedOnlyTip{94,
                                               "Nur die Zeilen zeigen, die Speichern \xe4ndert"};
// Save after the game changed the file too: %1 stands for the lines both changed, one
// kConflictLine each (%1 the line, %2 the game's value, %3 the player's).
inline constexpr LanguageEntry kGameChangedYourLines{
    95, "Das Spiel hat f1graphics.cfg nach dem Laden ge\xe4ndert, auch in Zeilen, die Sie "
        "ge\xe4ndert haben:\r%1\rIn diesen Zeilen Ihre Werte speichern? Die \xfc"
        "brigen "
        "\xc4nderungen des Spiels bleiben erhalten. (Nein: nichts wird gespeichert.)"};
inline constexpr LanguageEntry kConflictLine{96,
                                             "Zeile %1: das Spiel schrieb %2, Sie w\xe4hlten %3"};
inline constexpr LanguageEntry kNoSuchLine{97, "keine Zeile"};

// 100-109: profiles a player can trust, and the command line. %1 stands for a profile's
// name, a file's name or path, or characters.
inline constexpr LanguageEntry kNoGameFolder{
    100, "Der Ordner des Spiels ist nicht bekannt: In der Registry steht kein Installationsordner "
         "von Grand Prix 4. Installieren Sie das Spiel oder f\xfchren Sie sein Setup einmal aus "
         "(oder starten Sie Korvane mit /game und dem Ordner)."};
inline constexpr LanguageEntry kUseDiscardChanges{
    101, "Ihre \xc4nderungen verwerfen und das Profil %1 anzeigen?"};
inline constexpr LanguageEntry kProfileNotUsed{
    102, "%1 wurde nicht verwendet, nichts wurde ge\xe4ndert:"};
inline constexpr LanguageEntry kNoCompleteFile{
    103, "Das ist keine vollst\xe4ndige Grafikeinstellungsdatei (von h\xf6"
         "chstens 1 MiB)."};
inline constexpr LanguageEntry kNameTakenByOtherFile{
    104, "%1 gibt es schon, und es ist kein Profil. Bitte w\xe4hlen Sie einen anderen Namen, "
         "damit die Datei erhalten bleibt."};
inline constexpr LanguageEntry kProfileNameBeginning{
    105, "Der Name eines Profils darf nicht mit einem Leerzeichen beginnen."};
inline constexpr LanguageEntry kProfileNameUnheld{
    106, "Der Name eines Profils kann nur Zeichen der Windows-Codepage enthalten, diese nicht: %1"};
inline constexpr LanguageEntry kCommandLineUsage{
    107, "Korvane.exe /use NAME [/quiet] [/game ORDNER]\r\r"
         "/use NAME: macht das Profil NAME.cfg ohne Fenster zur f1graphics.cfg des Spiels (die "
         "alte bleibt als f1graphics.cfg.bak).\r"
         "/quiet: zeigt keinen Fehler; der Exit-Code sagt, ob es gelang (0) oder nicht (1).\r"
         "/game ORDNER: der Ordner des Spiels statt des Ordners aus der Registry."};

// 140-149: the game folder, found or chosen in the window. %1 stands for a folder.
inline constexpr LanguageEntry kChooseFolder{140, "Spielor&dner\x85"};
inline constexpr LanguageEntry kFolderOpenMark{141, "ge\xf6"
                                                    "ffnet"};
inline constexpr LanguageEntry kFolderNotKnown{
    142, "Der Ordner des Spiels ist nicht bekannt: In der Registry steht kein Installationsordner "
         "von Grand Prix 4.\rDen Ordner des Spiels jetzt w\xe4hlen?"};
inline constexpr LanguageEntry kFolderGoneChoose{
    143, "Den Ordner %1 gibt es nicht mehr.\rDen Ordner des Spiels jetzt w\xe4hlen?"};
inline constexpr LanguageEntry kNoGameFileInFolder{
    144, "In %1 gibt es keine f1graphics.cfg, darum wurde der Ordner nicht ge\xf6"
         "ffnet. W\xe4hlen "
         "Sie den Ordner, in dem das Spiel installiert ist (mit gp4.exe): Das Spiel schreibt "
         "f1graphics.cfg dort, wenn es zum ersten Mal startet."};
inline constexpr LanguageEntry kFolderNotReady{
    145, "%1: Das Laufwerk ist nicht bereit. Legen Sie die CD ein oder schlie\xdf"
         "en Sie das "
         "Laufwerk an und versuchen Sie es erneut."};
inline constexpr LanguageEntry kFolderIsFile{
    146, "%1 ist eine Datei, kein Ordner. W\xe4hlen Sie den Ordner des Spiels."};
inline constexpr LanguageEntry kFolderUnreadable{
    147, "%1 kann nicht gelesen werden: Windows verweigert den Zugriff auf den Ordner. Pr\xfc"
         "fen "
         "Sie, ob Ihr Konto ihn \xf6"
         "ffnen darf."};
inline constexpr LanguageEntry kFolderGoneRemove{
    148, "Den Ordner %1 gibt es nicht mehr.\rAus der Liste entfernen?"};
inline constexpr LanguageEntry kFolderGoneMark{149, "nicht mehr da"};

// 110-119: the Views page. %1 stands for a number of lines.
inline constexpr LanguageEntry kViewsButton{110, "Ansic&hten"};
inline constexpr LanguageEntry kSettingColumn{111, "Einstellung"};
inline constexpr LanguageEntry kMainColumn{112, "Haupt"};
inline constexpr LanguageEntry kMirrorColumn{113, "Spiegel"};
inline constexpr LanguageEntry kVideowallColumn{114, "Videowand"};
inline constexpr LanguageEntry kCopyRow{115, "&Zeile wie Haupt"};
inline constexpr LanguageEntry kCopyAll{116, "&Jede Zeile wie Haupt"};
inline constexpr LanguageEntry kLinesUnpaired{
    117, "%1 Zeilen der Ansichten lassen sich keiner Einstellung sicher zuordnen; sie stehen "
         "nur auf der Seite Manuell bearbeiten."};
inline constexpr LanguageEntry kOneLineUnpaired{
    118, "1 Zeile der Ansichten l\xe4sst sich keiner Einstellung sicher zuordnen; sie steht nur "
         "auf der Seite Manuell bearbeiten."};
inline constexpr LanguageEntry kNoViews{
    119, "Diese Datei hat keine Ansichten ([MAIN VIEW], [MIRROR VIEW], [VIDEOWALL VIEW])."};

// 150-159: the history of the game file. %1 stands for a file's path, a date and time, or a
// number of lines.
inline constexpr LanguageEntry kHistoryNotKept{
    150, "Gespeichert, aber die Kopie f\xfcr den Verlauf wurde nicht angelegt: %1"};
inline constexpr LanguageEntry kHistoryLabel{151, "V&erlauf:"};
inline constexpr LanguageEntry kHistoryShow{152, "An&zeigen"};
inline constexpr LanguageEntry kHistorySaveAs{153, "Als Profil &kopieren\x85"};
inline constexpr LanguageEntry kHistoryBeforeKorvane{154, "wie vor Korvane"};
inline constexpr LanguageEntry kHistoryDiffers{155, "%1 Zeilen anders"};
inline constexpr LanguageEntry kHistoryOneDiffers{156, "1 Zeile anders"};
inline constexpr LanguageEntry kHistoryDiscardChanges{
    157, "Ihre \xc4nderungen verwerfen und die Fassung vom %1 anzeigen?"};
inline constexpr LanguageEntry kHistoryShown{
    158, "Die Fassung vom %1 wird angezeigt. Speichern schreibt sie in f1graphics.cfg."};
inline constexpr LanguageEntry kHistoryNotShown{
    159, "%1 wurde nicht angezeigt, nichts wurde ge\xe4ndert:"};

// 160-169: undo and redo. The buttons are one character wide; the tooltips name them.
inline constexpr LanguageEntry kUndoButton{160, "\x8b"};
inline constexpr LanguageEntry kRedoButton{161, "\x9b"};
inline constexpr LanguageEntry kUndoToolTip{162, "R\xfc"
                                                 "ckg\xe4ngig (Strg+Z)"};
inline constexpr LanguageEntry kRedoToolTip{163, "Wiederholen (Strg+Y)"};

} // namespace entries
} // namespace korvane
