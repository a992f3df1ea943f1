#include "HelpPages.h"

#include "platform/Windows1252.h"

namespace {

// KIRA, the ship's computer, explains the game, and says "du" to the
// player as everybody on board does.

constexpr std::string_view welcome[] = {
    "Piep! Hier spricht KIRA, der Bordcomputer der Zephyra.",
    "Blättern: Pfeile unten rechts oder Pfeiltasten links und rechts."_w1252,
    "Mit Escape oder \"Zurück\" kommst du wieder ins Hauptmenü."_w1252,
    "Viel Spaß im Weltraum, am Strand, auf der Burg und anderswo!"_w1252,
};

constexpr std::string_view menus1[] = {
    "Das Hauptmenü"_w1252,
    "Neues Spiel: Junas Abenteuer beginnt von vorn. Im Vollbild läuft"_w1252,
    "vorher ein kurzer Film, den Escape oder die Leertaste abbricht.",
    "Spiel laden: setzt einen Spielstand fort. Diesen Punkt gibt es,",
    "sobald mindestens ein Spiel gespeichert ist.",
    "Minispiele: die vier Minispiele einzeln spielen, sobald Juna sie",
    "im Abenteuer erreicht hat.",
    "Highscore: die Bestenlisten der vier Minispiele.",
    "Optionen: Schwierigkeit, Sprechblasen, Grafik und Lautstärke."_w1252,
    "Credits: alle, die an der Zephyra mitgebaut haben.",
    "Hilfe: diese Seiten. Du bist schon da!",
    "Bonusmaterial: Bilder aus der Werkstatt, per Klick ganz groß."_w1252,
    "Beenden: verlässt das Spiel."_w1252,
    "",
    "Alles geht mit der Maus: einfach anklicken. Mit der Tastatur",
    "wählen die Pfeiltasten einen Punkt aus, Enter bestätigt ihn."_w1252,
    "Escape führt zurück ins Hauptmenü und beendet dort das Spiel."_w1252,
    "",
    "",
    "",
};

constexpr std::string_view menus2[] = {
    "Spiel laden",
    "Neun Speicherplätze stehen bereit, jeder mit einem Bild der"_w1252,
    "Stelle, an der gespeichert wurde, dem Kapitel und dem Datum.",
    "Freie Plätze zeigen \"Leer\". Klicke einen belegten Platz an und"_w1252,
    "antworte auf \"Spielstand laden?\" mit \"Ja\": Weiter geht die Reise!",
    "",
    "Minispiele",
    "Jedes Minispiel, das Juna im Abenteuer erreicht hat, liegt hier",
    "als Bild bereit; die übrigen bleiben verborgen, bis die Geschichte"_w1252,
    "sie freigibt. Ein Klick auf ein Bild startet das Spiel. Solche",
    "Runden zählen für die Bestenliste, gespeichert wird dabei nicht."_w1252,
    "",
    "Highscore",
    "Mit den Pfeilen neben dem Namen wählst du das Minispiel, dessen"_w1252,
    "Bestenliste du sehen willst. Hinein kommt, wer ein Minispiel",
    "einzeln spielt und die Besatzung der Zephyra schlägt. Im"_w1252,
    "Ritterweitwurf zählt die Weite in Metern, sonst zählen Punkte."_w1252,
    "",
    "",
};

constexpr std::string_view menus3[] = {
    "Optionen",
    "Jede Einstellung hat zwei Pfeile; ein Klick darauf ändert den"_w1252,
    "Wert. Mit der Tastatur wählen die Pfeiltasten hoch und runter"_w1252,
    "eine Zeile, links und rechts ändern ihren Wert."_w1252,
    "",
    "Schwierigkeit: Leicht, Mittel oder Schwer. Sie bestimmt, wie",
    "viele Punkte Juna in den Minispielen der Geschichte braucht.",
    "Sprechblasen: An zeigt alles Gesprochene auch als Text.",
    "Farbtiefe: 16, 24 oder 32 Bit, was der Bildschirm eben kann.",
    "Lichteffekte: Figuren im Licht ihres Raums, Schatten beim Tanz.",
    "Lautstärke: Umgebung, Effekte, Sprache und Musik, von \"aus\" bis"_w1252,
    "100 %. Die neue Lautstärke hörst du sofort."_w1252,
    "",
    "Nur im Hauptmenü: Schwierigkeit, Farbtiefe und Lichteffekte."_w1252,
    "Sprechblasen und Lautstärke gehen auch im Spiel."_w1252,
    "\"Zurück\" verlässt die Seite und merkt sich alles."_w1252,
};

constexpr std::string_view menus4[] = {
    "Das Menü im Spiel"_w1252,
    "Fährst du mit der Maus an den oberen Rand, gleitet eine Leiste"_w1252,
    "mit \"Menü\" herein. Ein Klick darauf oder die Escape-Taste hält"_w1252,
    "das Spiel an und öffnet das Menü."_w1252,
    "",
    "Weiterspielen: zurück ins Spiel (Escape tut es auch)."_w1252,
    "Spiel speichern: wähle einen der neun Plätze. Ein belegter Platz"_w1252,
    "wird erst nach der Frage \"Spielstand überschreiben?\" ersetzt."_w1252,
    "Spiel laden: lädt einen Spielstand, wie im Hauptmenü."_w1252,
    "Optionen: Sprechblasen und Lautstärke, auch mitten im Spiel."_w1252,
    "Gespräche: die letzten Sätze zum Nachlesen und Nachhören."_w1252,
    "Spiel beenden: nach \"Spiel wirklich beenden?\" und \"Ja\" geht es",
    "ins Hauptmenü. Was nicht gespeichert ist, ist dann weg, also"_w1252,
    "lieber vorher speichern! In einzeln gestarteten Minispielen und",
    "im Abspann gibt es kein Speichern.",
    "",
};

constexpr std::string_view game1[] = {
    "Juna steuern",
    "Linke Maustaste: Juna läuft dorthin. Auf einer Person oder Sache"_w1252,
    "benutzt sie das Ding, steckt es ein oder spricht die Person an.",
    "Rechte Maustaste: Juna schaut sich das Ding genau an und sagt,",
    "was sie davon hält. Das lohnt sich fast immer!"_w1252,
    "Steht die Maus auf etwas Wichtigem, erscheint sein Name.",
    "",
    "Das Inventar",
    "Am unteren Rand gleitet das Inventar herein, mit allem, was Juna",
    "eingesteckt hat. Die Pfeile links und rechts blättern, wenn es"_w1252,
    "mehr als vier Sachen sind. Neues zeigt es kurz von selbst.",
    "Rechtsklick auf eine Sache: Juna beschreibt sie.",
    "Linksklick auf eine Sache: Juna nimmt sie in die Hand. Ein Klick",
    "auf etwas im Raum oder eine zweite Sache im Inventar benutzt",
    "beides zusammen (\"Benutze ... mit ...\"). Rechtsklick legt sie weg.",
    "",
    "",
};

constexpr std::string_view game2[] = {
    "Gespräche"_w1252,
    "Spricht Juna mit jemandem, erscheinen ihre Antworten oben am",
    "Bildschirm. Klicke die an, die sie sagen soll.",
    "",
    "Abkürzen"_w1252,
    "Enter überspringt Zwischenszenen und Gespräche bis zur"_w1252,
    "nächsten Wahl. So enden sogar Opa Baltasars Geschichten."_w1252,
    "Der Punkt oder ein Rechtsklick beendet nur den Satz, der gerade"_w1252,
    "gesprochen wird; danach geht es mit dem nächsten weiter."_w1252,
    "",
    "Praktische Tasten"_w1252,
    "Tab gedrückt halten: zeigt alles, was du anklicken kannst."_w1252,
    "F2 speichert schnell auf einen eigenen Platz, F3 lädt ihn wieder."_w1252,
    "L zeigt die letzten Sätze (Klick: noch mal hören), F12 fotografiert."_w1252,
    "",
    "Nicht weiter?",
    "Frag mich, KIRA! Ich habe immer einen Tipp, erst vage, dann klar.",
    "Keine Sorge: Nichts, was du tust, macht das Spiel unlösbar."_w1252,
};

constexpr std::string_view minigames1[] = {
    "Zwischen manchen Kapiteln muss Juna ein Minispiel gewinnen. Wie",
    "viele Punkte sie braucht, hängt von der Schwierigkeit ab."_w1252,
    "Verlieren ist nicht schlimm: einfach noch einmal \"Neues Spiel\"!",
    "Unter \"Hilfe\" erklärt sich jedes Minispiel in seinem eigenen Menü,"_w1252,
    "und Escape öffnet auch hier das Menü."_w1252,
    "Einzeln gestartet (Hauptmenü, \"Minispiele\") zählt jede Runde für"_w1252,
    "die Bestenliste. Wer es hineinschafft, trägt seinen Namen ein."_w1252,
};

constexpr std::string_view minigames2[] = {
    "Tanzduell",
    "Unter dem hüpfenden Ball ziehen Pfeile von rechts nach links."_w1252,
    "Drücke den Pfeil unter dem Ball genau, wenn der Ball aufsetzt:"_w1252,
    "mit den Pfeiltasten oder W, A, S, D. Für schräge Pfeile drückst"_w1252,
    "du zwei Pfeiltasten zugleich (etwa hoch und rechts) oder nimmst",
    "den Ziffernblock (7, 9, 1, 3; dort gehen auch 8, 6, 2 und 4).",
    "Ein Treffer bringt bis zu 50 Punkte, je genauer im Takt, desto",
    "mehr. Häuptling Kalani schaut ganz genau hin!"_w1252,
    "",
    "Taxi Shooter",
    "Mit den Pfeiltasten fliegst du Rockos Taxi. Die Leertaste feuert",
    "die Bordkanone auf Jäger vor dem Taxi, mit B blitzt Lotte die"_w1252,
    "Jäger hinter euch mit Mias Kamera an (Mia findet das nicht gut)."_w1252,
    "Mehrere Treffer mit einem Schuss oder Blitz bringen immer mehr:",
    "50, 75, 100, 150 und 200 Punkte. Jeder Schuss und jeder Blitz",
    "kostet 10 Punkte, also nicht wild drauflos! Das Taxi hat fünf"_w1252,
    "Leben, eine Runde dauert 90 Sekunden (in der Geschichte 60).",
    "Das Gespräch vor dem Start überspringt die Leertaste."_w1252,
    "",
    "",
    "",
};

constexpr std::string_view minigames3[] = {
    "Ritterweitwurf",
    "Ein Klick lässt das Katapult anrollen, immer schneller. Drücke"_w1252,
    "dann die linke Maustaste und halte sie: Der Wurfarm spannt sich.",
    "Lass los, und der Ritter fliegt. Je stärker gespannt und je näher"_w1252,
    "an der Startlinie, desto weiter. Aber Achtung: zu lang gespannt,",
    "und das Katapult reißt; über die Startlinie gerollt, und der Wurf"_w1252,
    "ist vorbei. Gezählt wird die Weite in Metern."_w1252,
    "",
    "Alien Shooter",
    "Die entlaufenen Schleimlinge des Barons tauchen überall im Hof"_w1252,
    "der Mondbasis auf. Ziele mit der Maus und sprühe per Linksklick."_w1252,
    "Eine Sprühdose reicht für acht Stöße, die rechte Taste holt eine"_w1252,
    "neue. Wer nachlädt, bevor sie leer ist, verliert 5 Punkte. Nahe"_w1252,
    "Aliens bringen 15 Punkte, weiter entfernte 20, die hintersten 25.",
    "Eine Runde dauert 90 Sekunden (in der Geschichte 60).",
    "Keine Angst um die Schleimlinge: Das Spray vertreibt sie nur.",
    "",
    "",
    "",
    "",
};

constexpr std::array<HelpPage, HelpPages::pageCount> pages = {{
    {"", welcome},
    {"Die Menüs (1)"_w1252, menus1},
    {"Die Menüs (2)"_w1252, menus2},
    {"Die Menüs (3)"_w1252, menus3},
    {"Die Menüs (4)"_w1252, menus4},
    {"Das Spiel (1)", game1},
    {"Das Spiel (2)", game2},
    {"Die Minispiele (1)", minigames1},
    {"Die Minispiele (2)", minigames2},
    {"Die Minispiele (3)", minigames3},
}};

} // namespace

const std::array<HelpPage, HelpPages::pageCount>& HelpPages::Get()
{
    return pages;
}
