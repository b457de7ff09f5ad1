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
