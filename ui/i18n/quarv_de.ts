<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TFreewareDlg</name>
    <message>
        <source>an independent games studio</source>
        <translation>ein unabhängiges Spielestudio</translation>
    </message>
    <message>
        <source>Free software from Quarv Games, an independent games studio.</source>
        <translation>Freie Software von Quarv Games, einem unabhängigen Spielestudio.</translation>
    </message>
    <message>
        <source>Terms of use

Quarv Tangram is free software. You may use it free of charge and without any time limit.

The program is provided as it is, without any warranty, express or implied, including that of merchantability or fitness for a particular purpose.

Quarv Games accepts no liability for any damage or loss that arises from using the program or from being unable to use it, unless the law requires it.

You may pass copies of the program on to others, complete and unchanged: with all of its files, these terms and the licence.

You may also change the program and pass on changed versions, under the terms of the GNU General Public License as published by the Free Software Foundation, version 3 or (at your option) any later version. Whoever gets the program from you must be able to get its source code too, as the licence describes. The source code: %1

The full text of the licence is in the file LICENSE of the source code and at https://www.gnu.org/licenses/gpl-3.0.html. These terms sum it up; where they differ, the licence applies.
</source>
        <translation>Nutzungsbedingungen

Quarv Tangram ist freie Software. Du darfst das Programm kostenlos und ohne zeitliche Begrenzung benutzen.

Das Programm wird so überlassen, wie es ist, ohne jede ausdrückliche oder stillschweigende Gewährleistung, auch nicht für die Marktreife oder die Eignung zu einem bestimmten Zweck.

Quarv Games haftet nicht für Schäden oder Verluste, die aus dem Gebrauch des Programms oder daraus entstehen, dass es nicht gebraucht werden kann, soweit das Gesetz nichts anderes vorschreibt.

Du darfst Kopien des Programms an andere weitergeben, vollständig und unverändert: mit allen seinen Dateien, diesen Bedingungen und der Lizenz.

Du darfst das Programm auch verändern und veränderte Fassungen weitergeben, nach den Bedingungen der GNU General Public License, wie sie die Free Software Foundation veröffentlicht, in Version 3 oder (nach Deiner Wahl) jeder späteren Version. Wer das Programm von Dir bekommt, muss auch seinen Quelltext bekommen können, wie es die Lizenz beschreibt. Der Quelltext: %1

Der vollständige Text der Lizenz steht in der Datei LICENSE des Quelltexts und unter https://www.gnu.org/licenses/gpl-3.0.html. Diese Bedingungen fassen sie zusammen; wo sie abweichen, gilt die englische Fassung der Lizenz.
</translation>
    </message>
</context>
<context>
    <name>THintDlg</name>
    <message>
        <source>Even the people in ancient China like it, so you will like it too. Always seven pieces
give a Tangram.

Quarv Tangram is a geometric puzzle for one person. A Tangram is a figure made of the seven Tans: two large triangles, one middle-sized triangle, two small triangles, a square and a rhomboid.

Your task is to lay the given figures. There are two rules: every figure uses all seven Tans, and the Tans touch each other without overlapping.

Some figures have more than one solution. Every one of them is recognised.

The game holds up to 330 figures. Choose one with the selection button, or take the next or the previous one with the arrow buttons.

At the start the seven Tans lie around the edge of the board. The figure to lay is shown in a small window of its own, which you can move anywhere on the screen. Its title bar shows the number of the figure and whether you have solved it.

A left click picks a Tan up. It is then drawn as a frame, and the mouse pointer changes over it. Keep the left button held and drag: taken near its middle the Tan moves, taken near its corners it turns. The seventh Tan, the rhomboid, is flipped over by a right click. A left click on another Tan or on an empty place of the board puts the Tan down, as long as it overlaps no other Tan.

Every time a Tan is put down, the board is compared with the figure. When they match, the Tans turn green and the figure is marked as solved.

The other buttons explain themselves: rest the mouse on a button for a moment to read its hint.

Every button has its key: Ctrl+N new game, Ctrl+O load a game, Ctrl+S save the game, M sound on or off, T statistics, F choose a figure, H help (the solution flashes), Page Down next figure, Page Up previous figure, Ctrl+Q end the game, L language, F1 these rules, I who made the game. Tab goes from button to button, and the space bar presses the one with the focus. In the figure selection the arrow keys move through the figures and Enter takes the marked one.
</source>
        <translation>Was schon die alten Chinesen in Atem hielt, fordert auch Dich heraus. Lege aus
den 7 Tans 330 Tangrams nach.

Quarv Tangram ist ein geometrisches Legespiel für eine Person. Ein Tangram ist eine Figur aus den sieben Tans: zwei großen Dreiecken, einem mittleren Dreieck, zwei kleinen Dreiecken, einem Quadrat und einem Rhomboid.

Deine Aufgabe ist es, vorgegebene Figuren nachzulegen. Dabei gelten zwei Regeln: Jede Figur besteht aus allen sieben Tans, und die Tans berühren einander, ohne sich zu überlappen.

Manche Figuren haben mehrere Lösungen. Jede davon wird erkannt.

Das Spiel enthält bis zu 330 Figuren. Du wählst eine mit dem Auswahlknopf aus oder nimmst mit den Pfeilknöpfen die nächste oder die vorige.

Zu Beginn liegen die sieben Tans rund um den Rand des Spielfelds. Die Figur, die Du legen sollst, zeigt ein eigenes kleines Fenster, das Du frei auf dem Bildschirm verschieben kannst. Seine Titelleiste zeigt die Nummer der Figur und ob Du sie schon gelöst hast.

Ein Linksklick nimmt ein Tan auf. Es wird dann als Rahmen gezeichnet, und der Mauszeiger ändert sich über ihm. Halte die linke Maustaste gedrückt und ziehe: In der Mitte gefasst wird das Tan verschoben, an den Ecken gefasst wird es gedreht. Das siebte Tan, das Rhomboid, wendest Du mit einem Rechtsklick. Ein Linksklick auf ein anderes Tan oder auf eine freie Stelle des Spielfelds legt das Tan ab, sofern es kein anderes Tan überdeckt.

Jedes Mal, wenn ein Tan abgelegt wird, wird das Spielfeld mit der Figur verglichen. Stimmen beide überein, werden die Tans grün, und die Figur wird als gelöst markiert.

Die übrigen Knöpfe erklären sich selbst: Halte die Maus einen Moment über einen Knopf, dann erscheint sein Hinweis.

Jeder Knopf hat seine Taste: Strg+N neues Spiel, Strg+O Spiel laden, Strg+S Spiel speichern, M Geräusche an oder aus, T Statistik, F Figur wählen, H Hilfe (die Lösung blitzt auf), Bild ab nächste Figur, Bild auf vorige Figur, Strg+Q Spiel beenden, L Sprache, F1 diese Regeln, I wer das Spiel gemacht hat. Mit Tab gehst Du von Knopf zu Knopf, die Leertaste drückt den, der den Fokus hat. In der Figurenauswahl wandern die Pfeiltasten durch die Figuren, und Enter nimmt die markierte.
</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>I want to play a new game.</source>
        <translation>Ich fang ein neues Spiel an.</translation>
    </message>
    <message>
        <source>I want to continue an old game.</source>
        <translation>Ich hol mir einen alten Spielstand.</translation>
    </message>
    <message>
        <source>Save often, save always.</source>
        <translation>Einmal zu oft gesichert ist besser als einmal zuwenig</translation>
    </message>
    <message>
        <source>I dont like the sound always.</source>
        <translation>Die Geräusche mag ich nicht immer.</translation>
    </message>
    <message>
        <source>Let me see, what I&apos;ve solved until now.</source>
        <translation>Mal sehen, was ich bisher schon geschafft habe.</translation>
    </message>
    <message>
        <source>I try another Tangram.</source>
        <translation>Ich probier ein anderes Tangram.</translation>
    </message>
    <message>
        <source>I need a little help.</source>
        <translation>Ich lass mir unter die Arme greifen.</translation>
    </message>
    <message>
        <source>I take the next Tangram.</source>
        <translation>Ich nehm&apos; das nächste Tangram.</translation>
    </message>
    <message>
        <source>I take the previous Tangram.</source>
        <translation>Ich nehm&apos; das vorige Tangram.</translation>
    </message>
    <message>
        <source>I have enough!</source>
        <translation>Ich hab genug!</translation>
    </message>
    <message>
        <source>Ich spreche nicht englisch.</source>
        <translation>I don&apos;t speak german.</translation>
    </message>
    <message>
        <source>What&apos;s to do here?</source>
        <translation>Worum geht&apos;s da eigentlich?</translation>
    </message>
    <message>
        <source>Who did this QUARV GAME?</source>
        <translation>Wer hat dieses Spiel nur verbrochen?</translation>
    </message>
    <message>
        <source>Click here and pay Quarv Games a visit on the web!     Quarv puzzle games keep every player from 8 to 88 thinking.     Seven Tans, hundreds of figures: discover the whole Quarv series!     </source>
        <translation>Klick hier und besuche Quarv Games im Internet!     Die Denkspiele von Quarv halten jeden Spieler von 8 bis 88 auf Trab.     Sieben Tans, Hunderte Figuren: Entdecke die ganze Quarv-Spielereihe!     </translation>
    </message>
    <message>
        <source>Quarv Tangram</source>
        <translation>Quarv Tangram</translation>
    </message>
    <message>
        <source> - Game </source>
        <translation> - Spiel </translation>
    </message>
    <message>
        <source>The file mexa.dat holds no puzzle. Program aborted.</source>
        <translation>Die Datei mexa.dat enthält kein Tangram. Programm wird abgebrochen.</translation>
    </message>
    <message>
        <source>Can&apos;t find file mexa.dat. Program aborted.</source>
        <translation>Datei mexa.dat konnte nicht gefunden werden. Programm wird abgebrochen.</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Error occured while loading file %1!</source>
        <translation>Fehler beim Laden des Spiels %1!</translation>
    </message>
    <message>
        <source>Cannot save game %1. Drive full or not writable.</source>
        <translation>Kann Spiel %1 nicht speichern. Datenträger voll oder nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Game %1 already exists. Overwrite?</source>
        <translation>Spiel %1 existiert bereits. Überschreiben?</translation>
    </message>
</context>
<context>
    <name>TPatForm</name>
    <message>
        <source> - dropped</source>
        <translation> - aufgegeben</translation>
    </message>
    <message>
        <source> - solved</source>
        <translation> - gelöst</translation>
    </message>
</context>
<context>
    <name>TSelectDlg</name>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Select Tangram</source>
        <translation>Tangram wählen</translation>
    </message>
    <message>
        <source>Which previous Tangram I havn&apos;t solved yet?</source>
        <translation>Welches vorhergehende Tangrams hab ich noch nicht geschafft?</translation>
    </message>
    <message>
        <source>Which following Tangram I havn&apos;t solved yet?</source>
        <translation>Welches folgende Tangram hab ich noch nicht geschafft?</translation>
    </message>
    <message>
        <source>A mouselick and the Tangram is selected.</source>
        <translation>Ein Mausklick und schon gehts mit diesem Tangram los.</translation>
    </message>
</context>
<context>
    <name>TStatDlg</name>
    <message>
        <source>Tangram statistics</source>
        <translation>Tangram Statistik</translation>
    </message>
    <message>
        <source>Tangram statistics for game %1</source>
        <translation>Tangram Statistik für Spiel %1</translation>
    </message>
    <message>
        <source>Until now no Tangram was solved !!!</source>
        <translation>Bisher wurde noch kein Tangram gelöst !!!</translation>
    </message>
    <message>
        <source>Until now one out of total %1 Tangrams was solved.</source>
        <translation>Bisher wurde eines von insgesamt %1 Tangrams gelöst.</translation>
    </message>
    <message>
        <source>Until now %1 out of total %2 Tangrams were solved.</source>
        <translation>Bisher wurden %1 von insgesamt %2 Tangrams gelöst.</translation>
    </message>
</context>
<context>
    <name>TYesNoDlg</name>
    <message>
        <source>Hurrah, you did it!</source>
        <translation>Hurra, geschafft!</translation>
    </message>
    <message>
        <source>Do you really want to go?</source>
        <translation>Willst Du wirklich schon aufhören?</translation>
    </message>
    <message>
        <source>Do you really want to give up the game?</source>
        <translation>Willst Du das Spiel wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
</TS>
