<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Pictures</name>
    <message>
        <source>&amp;New game</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Infos</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>News</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>Run the bars of the town, one night at a time</source>
        <comment>the main menu&apos;s picture, under the game&apos;s name</comment>
        <translation>Führ die Bars der Stadt, Nacht für Nacht</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Über Tavo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>What&apos;s new in town</source>
        <comment>the picture of the window of what is new</comment>
        <translation>Was gibt&apos;s Neues in der Stadt</translation>
    </message>
    <message>
        <source>Your money grows with us</source>
        <comment>Invest Bank&apos;s slogan, under its name</comment>
        <translation>Dein Geld wächst mit uns</translation>
    </message>
    <message>
        <source>The Power of your economy</source>
        <comment>German Bank&apos;s slogan, under its name</comment>
        <translation>Die Kraft deiner Wirtschaft</translation>
    </message>
    <message>
        <source>The easy way to get money</source>
        <comment>China Cash&apos;s slogan, under its name</comment>
        <translation>So einfach kommst du an Geld</translation>
    </message>
    <message>
        <source>Visit the Tavo web site</source>
        <comment>the Internet Center&apos;s picture link, beside a globe</comment>
        <translation>Besuch die Website von Tavo</translation>
    </message>
    <message>
        <source>Bars, banks and a little luck</source>
        <comment>the about window&apos;s picture, under the game&apos;s name</comment>
        <translation>Bars, Banken und ein bisschen Glück</translation>
    </message>
    <message>
        <source>Tavo town</source>
        <comment>the town map&apos;s title, in its top left corner</comment>
        <translation>Stadt Tavo</translation>
    </message>
</context>
<context>
    <name>tavo</name>
    <message>
        <source>The game could not save itself in %1.</source>
        <translation>Das Spiel konnte nicht automatisch in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk
The setup file is unwritable.</source>
        <translation>Beim Schreiben auf die Festplatte ist ein Fehler aufgetreten
Die Konfigurationsdatei lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Festplattenfehler</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is not a valid floating point value</source>
        <translation>%1 ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to buy this insurances.</source>
        <translation>Du hast nicht genug Geld für diese Versicherung.</translation>
    </message>
    <message>
        <source>Oups!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Do you want to leave the fire insurance?</source>
        <translation>Willst du die Feuerversicherung kündigen?</translation>
    </message>
    <message>
        <source>Leave an insurance</source>
        <translation>Versicherung kündigen</translation>
    </message>
    <message>
        <source>Do you want to leave the stole insurance?</source>
        <translation>Willst du die Diebstahlversicherung kündigen?</translation>
    </message>
    <message>
        <source>5 years investment at 10% per year</source>
        <translation>Anlage über 5 Jahre zu 10&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>10 years investment at 25% per year</source>
        <translation>Anlage über 10 Jahre zu 25&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>have your money back, the charge is 30% of</source>
        <translation>kostet dich die Auszahlung 30&#xa0;% vom</translation>
    </message>
    <message>
        <source>15 years investment at 30% per year</source>
        <translation>Anlage über 15 Jahre zu 30&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>25 years investment at 35% per year</source>
        <translation>Anlage über 25 Jahre zu 35&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>have your money back, the charge is 60% of</source>
        <translation>kostet dich die Auszahlung 60&#xa0;% vom</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to invest</source>
        <translation>Du hast nicht genug Geld, um etwas anzulegen</translation>
    </message>
    <message>
        <source>You already have an investment here.</source>
        <translation>Du hast hier schon eine Anlage.</translation>
    </message>
    <message>
        <source>You don&apos;t have engouth money</source>
        <translation>Du hast nicht genug Geld</translation>
    </message>
    <message>
        <source>You don&apos;t have finish all your investment years.
Do you want your money back?</source>
        <translation>Die Laufzeit deiner Anlage ist noch nicht um.
Willst du dein Geld trotzdem zurück?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Do you want your money back now?</source>
        <translation>Willst du dein Geld jetzt zurück?</translation>
    </message>
    <message>
        <source>Get the money back</source>
        <translation>Geld zurückholen</translation>
    </message>
    <message>
        <source>One of your investments is finish. Your admin have take care of this.</source>
        <translation>Eine deiner Anlagen ist fällig geworden. Dein Verwalter hat sich darum gekümmert.</translation>
    </message>
    <message>
        <source>25% per year.</source>
        <translation>25&#xa0;% pro Jahr.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 15 000$!
Or you reach your loan limit.</source>
        <translation>Tut uns leid! Du kannst dir nicht mehr als 15.000&#xa0;$ leihen!
Oder du hast dein Kreditlimit erreicht.</translation>
    </message>
    <message>
        <source>30% per year.</source>
        <translation>30&#xa0;% pro Jahr.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 25 000$!
Or you reach your loan limit.</source>
        <translation>Tut uns leid! Du kannst dir nicht mehr als 25.000&#xa0;$ leihen!
Oder du hast dein Kreditlimit erreicht.</translation>
    </message>
    <message>
        <source>Error #52... unexpected owner...</source>
        <translation>Fehler #52... unerwarteter Besitzer...</translation>
    </message>
    <message>
        <source>Sorry! But we don&apos;t borrow money to gamblers!</source>
        <translation>Tut uns leid! Aber Zockern leihen wir kein Geld!</translation>
    </message>
    <message>
        <source>Loan denied</source>
        <translation>Kredit abgelehnt</translation>
    </message>
    <message>
        <source>You must ask for at least 1$.</source>
        <translation>Du musst mindestens 1&#xa0;$ beantragen.</translation>
    </message>
    <message>
        <source>Your loan have been accepted.</source>
        <translation>Dein Kredit wurde bewilligt.</translation>
    </message>
    <message>
        <source>Loan accepted</source>
        <translation>Kredit bewilligt</translation>
    </message>
    <message>
        <source>You must refund at least 1$.</source>
        <translation>Du musst mindestens 1&#xa0;$ zurückzahlen.</translation>
    </message>
    <message>
        <source>Oups!!</source>
        <translation>Hoppla!!</translation>
    </message>
    <message>
        <source>You refund too much...</source>
        <translation>Du zahlst zu viel zurück...</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to refund.</source>
        <translation>Du hast nicht genug Geld zum Zurückzahlen.</translation>
    </message>
    <message>
        <source>Bailiff: Invest Bank wants is money back! So I took your money.</source>
        <translation>Gerichtsvollzieher: Die Invest Bank will ihr Geld zurück! Also habe ich deins genommen.</translation>
    </message>
    <message>
        <source>Bailiff: China Cash wants is money back! So I took your money.</source>
        <translation>Gerichtsvollzieher: Die China Cash will ihr Geld zurück! Also habe ich deins genommen.</translation>
    </message>
    <message>
        <source>One of your admin repay a part of your loan.</source>
        <translation>Einer deiner Verwalter hat einen Teil deines Kredits zurückgezahlt.</translation>
    </message>
    <message>
        <source>One of your admin finish to repay one of your loan.</source>
        <translation>Einer deiner Verwalter hat einen deiner Kredite ganz zurückgezahlt.</translation>
    </message>
    <message>
        <source>Under Construction</source>
        <translation>Im Aufbau</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 1000$</source>
        <translation>Willst du Mitglied werden?
Es kostet nur 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 3500$</source>
        <translation>Willst du Mitglied werden?
Es kostet nur 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s 8000$</source>
        <translation>Willst du Mitglied werden?
Es kostet 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Mitglied werden</translation>
    </message>
    <message>
        <source>The price you set to enter your bar is too high!</source>
        <translation>Der Eintrittspreis für deine Bar ist zu hoch!</translation>
    </message>
    <message>
        <source>You already run %1 bars, the most an owner can.
You can&apos;t buy another one.</source>
        <translation>Du führst schon %1 Bars, mehr darf ein Besitzer nicht haben.
Du kannst keine weitere kaufen.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Hoppla...</translation>
    </message>
    <message>
        <source>Under reconstruction ;-)</source>
        <translation>Wird gerade umgebaut ;-)</translation>
    </message>
    <message>
        <source>Choose the bar to buy on the map first.</source>
        <translation>Such dir zuerst auf dem Stadtplan die Bar aus, die du kaufen willst.</translation>
    </message>
    <message>
        <source>You must choose a name for your bar.</source>
        <translation>Du musst deiner Bar einen Namen geben.</translation>
    </message>
    <message>
        <source>You must choose at least one type of music.</source>
        <translation>Du musst mindestens eine Musikrichtung wählen.</translation>
    </message>
    <message>
        <source>You must choose a type of bar.</source>
        <translation>Du musst die Art der Bar wählen.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy this bar.</source>
        <translation>Du hast nicht genug Geld, um diese Bar zu kaufen.</translation>
    </message>
    <message>
        <source>The bar you just buy isn&apos;t open yet. Open it to make business.</source>
        <translation>Die Bar, die du gerade gekauft hast, ist noch nicht geöffnet. Öffne sie, um Geschäfte zu machen.</translation>
    </message>
    <message>
        <source>You must use the US version of the drinks list.
We&apos;ve updated your config file.
Save your game and restart Tavo.
You can also choose another drinks list in the setup menu.</source>
        <translation>Du musst die US-Version der Getränkeliste verwenden.
Wir haben deine Konfigurationsdatei angepasst.
Speichere dein Spiel und starte Tavo neu.
Du kannst auch in den Einstellungen eine andere Getränkeliste wählen.</translation>
    </message>
    <message>
        <source>You must fill all the forms.</source>
        <translation>Du musst alle Felder ausfüllen.</translation>
    </message>
    <message>
        <source>The price of this drink is too high!
You must lower it!</source>
        <translation>Der Preis für dieses Getränk ist zu hoch!
Du musst ihn senken!</translation>
    </message>
    <message>
        <source>The price of this drink is too high.
Do you want to set a lower price?</source>
        <translation>Der Preis für dieses Getränk ist zu hoch.
Willst du einen niedrigeren Preis festlegen?</translation>
    </message>
    <message>
        <source>Set a lower price?</source>
        <translation>Preis senken?</translation>
    </message>
    <message>
        <source>You must enter a valid price and a valid qty to order.</source>
        <translation>Du musst einen gültigen Preis und eine gültige Menge eingeben, um zu bestellen.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to order!</source>
        <translation>Du hast nicht genug Geld für diese Bestellung!</translation>
    </message>
    <message>
        <source>A bar sells 15 different drinks at most:
this one has no room left for another drink.</source>
        <translation>Eine Bar verkauft höchstens 15 verschiedene Getränke:
In dieser ist kein Platz mehr für ein weiteres Getränk.</translation>
    </message>
    <message>
        <source>You have no bar to order these drinks for.</source>
        <translation>Du hast keine Bar, für die du diese Getränke bestellen könntest.</translation>
    </message>
    <message>
        <source>Your order have been made.</source>
        <translation>Deine Bestellung ist aufgegeben.</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>You must enter a owner name.</source>
        <translation>Du musst einen Namen für den Besitzer eingeben.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on newspaper.</source>
        <translation>Die Werbung für deine Bar erscheint jetzt in der Zeitung.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on radio station.</source>
        <translation>Die Werbung für deine Bar läuft jetzt im Radio.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on tv station.</source>
        <translation>Die Werbung für deine Bar läuft jetzt im Fernsehen.</translation>
    </message>
    <message>
        <source>Your bar can&apos;t handle more clients
or you don&apos;t have enough money.</source>
        <translation>Deine Bar kann nicht mehr Gäste aufnehmen
oder du hast nicht genug Geld.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Happy new year!</source>
        <translation>Frohes neues Jahr!</translation>
    </message>
    <message>
        <source>Damn... let&apos;s hope the game can handle Y2K ;-)</source>
        <translation>Mist... hoffen wir, dass das Spiel das Jahr 2000 übersteht ;-)</translation>
    </message>
    <message>
        <source>The path of your bars list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>Der Pfad deiner Barliste ist zu lang (%1 Bytes, höchstens %2):
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your bars list:
%1
Choose a bars list file of the game.</source>
        <translation>Diese Datei taugt nicht als Barliste:
%1
Wähl eine Barliste des Spiels.</translation>
    </message>
    <message>
        <source>The path of your drinks list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>Der Pfad deiner Getränkeliste ist zu lang (%1 Bytes, höchstens %2):
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your drinks list:
%1
Choose a drinks list file of the game.</source>
        <translation>Diese Datei taugt nicht als Getränkeliste:
%1
Wähl eine Getränkeliste des Spiels.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>You must choose a bars list file.</source>
        <translation>Du musst eine Barliste wählen.</translation>
    </message>
    <message>
        <source>You must choose a drinks list file.</source>
        <translation>Du musst eine Getränkeliste wählen.</translation>
    </message>
    <message>
        <source>Your save game wasn&apos;t saved...</source>
        <translation>Deine Einstellungen wurden nicht gespeichert...</translation>
    </message>
    <message>
        <source>Unable to connect to the Tavo web site.
Check that you are on the internet and try again.</source>
        <translation>Keine Verbindung zur Tavo-Website.
Prüf, ob du online bist, und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>The Tavo web site took too long to answer.
Try again later.</source>
        <translation>Die Tavo-Website hat zu lange nicht geantwortet.
Versuch es später noch einmal.</translation>
    </message>
    <message>
        <source>The Tavo web site could not send this page (error %1).
Try again later.</source>
        <translation>Die Tavo-Website konnte diese Seite nicht senden (Fehler %1).
Versuch es später noch einmal.</translation>
    </message>
    <message>
        <source>The page sent by the Tavo web site is too long to be shown.</source>
        <translation>Die Seite, die die Tavo-Website geschickt hat, ist zu lang zum Anzeigen.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game to another site.
The page was not fetched.</source>
        <translation>Die Tavo-Website hat das Spiel auf eine andere Website umgeleitet.
Die Seite wurde nicht abgerufen.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game from address to address too many times.
The page was not fetched.</source>
        <translation>Die Tavo-Website hat das Spiel zu oft von Adresse zu Adresse umgeleitet.
Die Seite wurde nicht abgerufen.</translation>
    </message>
    <message>
        <source>The page could not be fetched.</source>
        <translation>Die Seite konnte nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>You must be on the internet to enter here.
Are you on internet?</source>
        <translation>Hier kommst du nur mit Internet hinein.
Bist du online?</translation>
    </message>
    <message>
        <source>Are you connected?</source>
        <translation>Bist du online?</translation>
    </message>
    <message>
        <source>Internet Center</source>
        <translation>Internet-Center</translation>
    </message>
    <message>
        <source>Your version is
----
Version: 0.4.1
Build: 36
Date: August 7th, 1999
</source>
        <translation>Deine Version:
----
Version: 0.4.1
Build: 36
Datum: 7. August 1999
</translation>
    </message>
    <message>
        <source>You must enter a number on each box!</source>
        <translation>Du musst in jedes Feld eine Zahl eingeben!</translation>
    </message>
    <message>
        <source>Check if you&apos;ve enter a number between 6 and 49.
You can&apos;t use the same number too.</source>
        <translation>Prüf, ob deine Zahlen zwischen 6 und 49 liegen.
Außerdem darfst du keine Zahl zweimal verwenden.</translation>
    </message>
    <message>
        <source>You&apos;ve got 3 numbers on 6!</source>
        <translation>Du hast 3 Richtige von 6!</translation>
    </message>
    <message>
        <source>You&apos;ve got 4 numbers on 6!</source>
        <translation>Du hast 4 Richtige von 6!</translation>
    </message>
    <message>
        <source>You&apos;ve got 5 numbers on 6!</source>
        <translation>Du hast 5 Richtige von 6!</translation>
    </message>
    <message>
        <source>Oh my god you win the Lotto 6/49!!!</source>
        <translation>Oh mein Gott, du hast im Lotto 6/49 gewonnen!!!</translation>
    </message>
    <message>
        <source>Oh my god... the car # %1 is crash!</source>
        <translation>Oh mein Gott... Auto Nr.&#xa0;%1 ist verunglückt!</translation>
    </message>
    <message>
        <source>Watch out! %1 have been reech by %2</source>
        <translation>Achtung! %1 wurde von %2 eingeholt</translation>
    </message>
    <message>
        <source>%1 is taking the lead!!</source>
        <translation>%1 übernimmt die Führung!!</translation>
    </message>
    <message>
        <source>%1 is taking the lead!! Let&apos;s hope he will not crash!</source>
        <translation>%1 übernimmt die Führung!! Hoffentlich verunglückt es nicht!</translation>
    </message>
    <message>
        <source>%1 is taking a good lead!! Check this out!! Is going for the big one!</source>
        <translation>%1 baut die Führung aus!! Schau dir das an!! Es greift nach dem Sieg!</translation>
    </message>
    <message>
        <source>Well this race is very close!! Action at is best!</source>
        <translation>Das Rennen ist wirklich knapp!! Action pur!</translation>
    </message>
    <message>
        <source>This race was HOT!!! What an ending!!</source>
        <translation>Das Rennen war HEISS!!! Was für ein Finish!!</translation>
    </message>
    <message>
        <source>Ouff!! That was close!! Good race guys!!</source>
        <translation>Puh!! Das war knapp!! Gutes Rennen, Jungs!!</translation>
    </message>
    <message>
        <source>This race have been close, but the winner have work hard to win!</source>
        <translation>Das Rennen war knapp, aber der Sieger hat hart für den Sieg gekämpft!</translation>
    </message>
    <message>
        <source>This race is a complet domination by %1</source>
        <translation>%1 hat dieses Rennen von Anfang bis Ende beherrscht</translation>
    </message>
    <message>
        <source>The car # %1</source>
        <translation>Auto Nr.&#xa0;%1</translation>
    </message>
    <message>
        <source>You have to bet on one car!</source>
        <translation>Du musst auf ein Auto setzen!</translation>
    </message>
    <message>
        <source>You have to bet some money to play!</source>
        <translation>Du musst Geld setzen, um zu spielen!</translation>
    </message>
    <message>
        <source>You must bet!</source>
        <translation>Du musst setzen!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to bet this!</source>
        <translation>Du hast nicht genug Geld für diesen Einsatz!</translation>
    </message>
    <message>
        <source>You car win is the winner!</source>
        <translation>Dein Auto hat gewonnen!</translation>
    </message>
    <message>
        <source>Welcome! This is a live coverage of today&apos;s race</source>
        <translation>Willkommen! Hier ist die Live-Übertragung des heutigen Rennens</translation>
    </message>
    <message>
        <source>none</source>
        <translation>niemand</translation>
    </message>
    <message>
        <source>All cars are curently racing</source>
        <translation>Alle Autos sind im Rennen</translation>
    </message>
    <message>
        <source>You must enter a valid bet.</source>
        <translation>Du musst einen gültigen Einsatz eingeben.</translation>
    </message>
    <message>
        <source>You don&apos;t have enought money to play</source>
        <translation>Du hast nicht genug Geld zum Spielen</translation>
    </message>
    <message>
        <source>Sorry but an other admin buy beers for you.
I can&apos;t do this job while he do this.</source>
        <translation>Tut mir leid, aber ein anderer Verwalter kauft schon dein Bier.
Solange er das macht, kann ich das nicht übernehmen.</translation>
    </message>
    <message>
        <source>I can&apos;t refund less than 1$...</source>
        <translation>Weniger als 1&#xa0;$ kann ich nicht zurückzahlen...</translation>
    </message>
    <message>
        <source>You can&apos;t refund more than you have...</source>
        <translation>Du kannst nicht mehr zurückzahlen, als du hast...</translation>
    </message>
    <message>
        <source>Unexpected error #82... contact me:
%1</source>
        <translation>Unerwarteter Fehler #82... schreib mir:
%1</translation>
    </message>
    <message>
        <source>Unexpected error #12
Contact me plz: %1</source>
        <translation>Unerwarteter Fehler #12
Bitte schreib mir: %1</translation>
    </message>
    <message>
        <source>Sorry but I can&apos;t buy all this tickets for a week...</source>
        <translation>Tut mir leid, aber so viele Lottoscheine kann ich in einer Woche nicht kaufen...</translation>
    </message>
    <message>
        <source>Do you want to fire this employe?</source>
        <translation>Willst du diesen Mitarbeiter entlassen?</translation>
    </message>
    <message>
        <source>Fire this employe?</source>
        <translation>Mitarbeiter entlassen?</translation>
    </message>
    <message>
        <source>Hi, I&apos;m ned! I&apos;ve always been a lucky man...
So I can manage your lottery tickets for you.
-----
Staff ID: #001</source>
        <translation>Hallo, ich bin Ned! Ich hatte schon immer Glück...
Darum kann ich mich um deine Lottoscheine kümmern.
-----
Personalnummer: #001</translation>
    </message>
    <message>
        <source>Hi there, here&apos;s what I can do for you

- Manage your beers stock
- Manage your lottery tickets
-----
Staff ID: #002</source>
        <translation>Hallo, das kann ich für dich tun:

- Deinen Biervorrat verwalten
- Deine Lottoscheine verwalten
-----
Personalnummer: #002</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
beers stock? I can help with that!
-----
Staff ID: #003</source>
        <translation>Hallo! Du hast keine Zeit, deinen
Biervorrat zu verwalten? Da kann ich helfen!
-----
Personalnummer: #003</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
loans and investments? I can help you!
-----
Staff ID: #004</source>
        <translation>Hallo! Du hast keine Zeit, deine
Kredite und Anlagen zu verwalten? Ich helfe dir!
-----
Personalnummer: #004</translation>
    </message>
    <message>
        <source>Error #7

Unexpected value... huh? Please contact me:
%1</source>
        <translation>Fehler #7

Unerwarteter Wert... hä? Bitte schreib mir:
%1</translation>
    </message>
    <message>
        <source>You can&apos;t hire this person now.</source>
        <translation>Du kannst diese Person jetzt nicht einstellen.</translation>
    </message>
    <message>
        <source>Welcome to -=Invest Bank=-</source>
        <translation>Willkommen bei der -=Invest Bank=-</translation>
    </message>
    <message>
        <source>Become a new member for 1000$</source>
        <translation>Werde Mitglied für 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Vergangene Jahre:</translation>
    </message>
    <message>
        <source>Interest Rate infos</source>
        <translation>Zinssätze</translation>
    </message>
    <message>
        <source>Long term investment</source>
        <translation>Langfristige Anlage</translation>
    </message>
    <message>
        <source>5 years investment: 10% per year</source>
        <translation>Anlage über 5 Jahre: 10&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>10 years investment: 25% per year</source>
        <translation>Anlage über 10 Jahre: 25&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>Loan interest</source>
        <translation>Kreditzinsen</translation>
    </message>
    <message>
        <source>25% interest per year</source>
        <translation>25&#xa0;% Zinsen pro Jahr</translation>
    </message>
    <message>
        <source>German Bank - The Power of your economy</source>
        <translation>German Bank - Die Kraft deiner Wirtschaft</translation>
    </message>
    <message>
        <source>Become a new member for 3500$</source>
        <translation>Werde Mitglied für 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years completed:</source>
        <translation>Abgeschlossene Jahre:</translation>
    </message>
    <message>
        <source>Service Information</source>
        <translation>Unsere Leistungen</translation>
    </message>
    <message>
        <source>15 years investment: 30% per year</source>
        <translation>Anlage über 15 Jahre: 30&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>25 years investment: 35% per year</source>
        <translation>Anlage über 25 Jahre: 35&#xa0;% pro Jahr</translation>
    </message>
    <message>
        <source>Insurance Informations</source>
        <translation>Unsere Versicherungen</translation>
    </message>
    <message>
        <source>Fire insurance: 1000$ / years</source>
        <translation>Feuerversicherung: 1000&#xa0;$ pro Jahr</translation>
    </message>
    <message>
        <source>Stole insurance: 800$ / years</source>
        <translation>Diebstahlversicherung: 800&#xa0;$ pro Jahr</translation>
    </message>
    <message>
        <source>China Cash - The easy way to get money</source>
        <translation>China Cash - So einfach kommst du an Geld</translation>
    </message>
    <message>
        <source>Become a new member for 8000$</source>
        <translation>Werde Mitglied für 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Services Informations</source>
        <translation>Unsere Leistungen</translation>
    </message>
    <message>
        <source>30% interest per year</source>
        <translation>30&#xa0;% Zinsen pro Jahr</translation>
    </message>
    <message>
        <source>No web browser could be started. The address is:
</source>
        <translation>Es ließ sich kein Webbrowser starten. Die Adresse lautet:
</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Save game error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Save Files (*.sav)|*.sav|All Files (*.txt)|*.*</source>
        <translation>Spielstände (*.sav)|*.sav|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Load a game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save Game (*.sav)|*.sav|All File (*.*)|*.*</source>
        <translation>Spielstände (*.sav)|*.sav|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>The version of your save game is older... restart a new game.</source>
        <translation>Dein Spielstand stammt aus einer älteren Version... fang ein neues Spiel an.</translation>
    </message>
    <message>
        <source>%1 years old</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1$/month</source>
        <translation>%1&#xa0;$/Monat</translation>
    </message>
    <message>
        <source>- Racing Money (You can bet on cars 
  races to win money)

- You recieve messages in your 
  messages box 

- Now you can close or open your bar

- In info form you can have your bars 
  stats (Visitors and Profit earn)

- Bailiff repay the bank if your loan is too 
  big

- Major code rewrite for many thing. 
  (Buy bars, buy drinks, etc...)

- Some new forms interface (Drinks 
  form, Info form, Main Form)

- Update center replace by Internet 
  Center

- Few bugs fix!

- Few improvements</source>
        <translation>- Racing Money (wette auf Autorennen
  und gewinne Geld)

- Du bekommst Nachrichten in deinem
  Nachrichtenfeld

- Jetzt kannst du deine Bar öffnen und
  schließen

- Im Fenster Informationen siehst du die
  Statistik deiner Bars (Besucher, Gewinn)

- Ist dein Kredit zu hoch, holt der
  Gerichtsvollzieher das Geld für die Bank

- Großer Umbau am Code (Bars kaufen,
  Getränke kaufen usw.)

- Neue Oberflächen für einige Fenster
  (Getränke, Informationen, Hauptfenster)

- Aus dem Update-Center wird das
  Internet-Center

- Einige Fehler behoben!

- Einige Verbesserungen</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>tavo::ui::BankForm</name>
    <message>
        <source>You&apos;re not a member</source>
        <translation>Du bist kein Mitglied</translation>
    </message>
    <message>
        <source>Your status:</source>
        <translation>Dein Status:</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Mitglied werden</translation>
    </message>
    <message>
        <source>Make an Investment</source>
        <translation>Geld anlegen</translation>
    </message>
    <message>
        <source>Investment refund</source>
        <translation>Anlage auflösen</translation>
    </message>
    <message>
        <source>Borrow money</source>
        <translation>Geld leihen</translation>
    </message>
    <message>
        <source>Refund the loan</source>
        <translation>Kredit zurückzahlen</translation>
    </message>
    <message>
        <source>Buy Insurance</source>
        <translation>Versicherung abschließen</translation>
    </message>
    <message>
        <source>Sell insurance</source>
        <translation>Versicherung kündigen</translation>
    </message>
    <message>
        <source>Acount</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>You&apos;re not a member here</source>
        <translation>Du bist hier kein Mitglied</translation>
    </message>
    <message>
        <source>Current investment infos</source>
        <translation>Deine laufende Anlage</translation>
    </message>
    <message>
        <source>Number of years left:</source>
        <translation>Verbleibende Jahre:</translation>
    </message>
    <message>
        <source>Value of your money now:</source>
        <translation>Aktueller Wert deines Geldes:</translation>
    </message>
    <message>
        <source>Current loan infos</source>
        <translation>Dein laufender Kredit</translation>
    </message>
    <message>
        <source>Money loan:</source>
        <translation>Kreditbetrag:</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Vergangene Jahre:</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Noch zurückzuzahlen:</translation>
    </message>
    <message>
        <source>Insurance infos</source>
        <translation>Deine Versicherungen</translation>
    </message>
    <message>
        <source>Fire Insurance</source>
        <translation>Feuerversicherung</translation>
    </message>
    <message>
        <source>Theft Insurance</source>
        <translation>Diebstahlversicherung</translation>
    </message>
    <message>
        <source> cost</source>
        <translation>: Kosten</translation>
    </message>
    <message>
        <source>Acount Info</source>
        <translation>Kontoinfos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Leave the bank</source>
        <translation>Bank verlassen</translation>
    </message>
    <message>
        <source>You&apos;re a member</source>
        <translation>Du bist Mitglied</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Dates</name>
    <message>
        <source>Jan</source>
        <translation>Jan.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>März</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug.</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>the first of a month: day, month&apos;s name, year</comment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: day, month&apos;s name, year</comment>
        <translation>%1. %2 %3</translation>
    </message>
</context>
<context>
    <name>tavo::ui::InvestForm</name>
    <message>
        <source>Investment form</source>
        <translation>Anlageformular</translation>
    </message>
    <message>
        <source>Welcome. If you want to make an investment
here, you must know our rules. You can&apos;t
touch your money before the end of your
investment. If you can&apos;t wait and you must
</source>
        <translation>Willkommen. Wenn du bei uns Geld anlegen
willst, musst du unsere Regeln kennen:
Vor dem Ende der Anlage kommst du nicht
an dein Geld. Kannst du nicht warten,
</translation>
    </message>
    <message>
        <source>
the value your investment.</source>
        <translation>
Wert deiner Anlage.</translation>
    </message>
    <message>
        <source>investment. If you can&apos;t wait and you must</source>
        <translation>Willkommen. Wenn du bei uns Geld anlegen</translation>
    </message>
    <message>
        <source>Fill this form:</source>
        <translation>Füll dieses Formular aus:</translation>
    </message>
    <message>
        <source>Number of years</source>
        <translation>Anzahl der Jahre</translation>
    </message>
    <message>
        <source>Money informations</source>
        <translation>Beträge</translation>
    </message>
    <message>
        <source>The max you can invest is:</source>
        <translation>Du kannst höchstens anlegen:</translation>
    </message>
    <message>
        <source>How much you want invest:</source>
        <translation>Wie viel willst du anlegen:</translation>
    </message>
    <message>
        <source>Total after the investment:</source>
        <translation>Summe am Ende der Anlage:</translation>
    </message>
    <message>
        <source>Invest the money</source>
        <translation>Geld anlegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRefundForm</name>
    <message>
        <source>Refund the loan</source>
        <translation>Kredit zurückzahlen</translation>
    </message>
    <message>
        <source>How much do you want to refund?</source>
        <translation>Wie viel willst du zurückzahlen?</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Zurückzahlen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRequestForm</name>
    <message>
        <source>Make a loan</source>
        <translation>Kredit aufnehmen</translation>
    </message>
    <message>
        <source>Your current loan is:</source>
        <translation>Dein aktueller Kredit:</translation>
    </message>
    <message>
        <source>Your loan limit is:</source>
        <translation>Dein Kreditlimit:</translation>
    </message>
    <message>
        <source>How much money do you need?</source>
        <translation>Wie viel Geld brauchst du?</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Beantragen</translation>
    </message>
    <message>
        <source>You can pay back the loan every
time you want. Our interest rate is
</source>
        <translation>Du kannst den Kredit jederzeit
zurückzahlen. Unser Zinssatz beträgt
</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Outcomes</name>
    <message>
        <source>Game saved as %1.</source>
        <translation>Spielstand als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The clock is paused.</source>
        <translation>Die Zeit ist angehalten.</translation>
    </message>
    <message>
        <source>Speed: %1.</source>
        <translation>Tempo: %1.</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Sieger des Rennens:</translation>
    </message>
    <message>
        <source>%1 is open.</source>
        <translation>%1 ist geöffnet.</translation>
    </message>
    <message>
        <source>%1 is closed.</source>
        <translation>%1 ist geschlossen.</translation>
    </message>
    <message>
        <source>%1 works for you now.</source>
        <translation>%1 arbeitet jetzt für dich.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>Ticket bought: %1.</source>
        <translation>Lottoschein gekauft: %1.</translation>
    </message>
    <message>
        <source>%1: you win %2$.</source>
        <translation>%1: du gewinnst %2$.</translation>
    </message>
    <message>
        <source>%1: you lose %2$.</source>
        <translation>%1: du verlierst %2$.</translation>
    </message>
    <message>
        <source>Insured against fire and theft.</source>
        <translation>Gegen Feuer und Diebstahl versichert.</translation>
    </message>
    <message>
        <source>Insured against fire.</source>
        <translation>Gegen Feuer versichert.</translation>
    </message>
    <message>
        <source>Insured against theft.</source>
        <translation>Gegen Diebstahl versichert.</translation>
    </message>
    <message>
        <source>No insurance held now.</source>
        <translation>Jetzt keine Versicherung mehr.</translation>
    </message>
    <message>
        <source>Drinks ordered for %1$. Your money: %2$.</source>
        <translation>Getränke für %1$ bestellt. Dein Geld: %2$.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Über Tavo</translation>
    </message>
    <message>
        <source>Tavo</source>
        <translation>Tavo</translation>
    </message>
    <message>
        <source>Version 0.4.1 alpha</source>
        <translation>Version 0.4.1 alpha</translation>
    </message>
    <message>
        <source>Written, drawn and tested by the Tavo team.</source>
        <translation>Geschrieben, gezeichnet und getestet vom Tavo-Team.</translation>
    </message>
    <message>
        <source>E-mail me at:</source>
        <translation>Schreib mir eine E-Mail:</translation>
    </message>
    <message>
        <source>Thanks to every player who sent an idea or a bug.</source>
        <translation>Danke an alle Spieler, die eine Idee geschickt oder einen Fehler gemeldet haben.</translation>
    </message>
    <message>
        <source>Visit the official web site:</source>
        <translation>Besuch die offizielle Website:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAdminViewForm</name>
    <message>
        <source>Setting for your employe</source>
        <translation>Einstellungen für deinen Mitarbeiter</translation>
    </message>
    <message>
        <source>Set your administrator</source>
        <translation>Aufgaben deines Verwalters</translation>
    </message>
    <message>
        <source>I can buy you</source>
        <translation>Ich kaufe dir</translation>
    </message>
    <message>
        <source>tickets per week for</source>
        <translation>Lottoscheine pro Woche zu je</translation>
    </message>
    <message>
        <source>How many tickets/week do you want?</source>
        <translation>Wie viele Lottoscheine pro Woche willst du?</translation>
    </message>
    <message>
        <source>I will buy drinks each time your stock is low.</source>
        <translation>Ich kaufe Getränke nach, sobald dein Vorrat knapp wird.</translation>
    </message>
    <message>
        <source>How many drinks you want me to buy?</source>
        <translation>Wie viele Getränke soll ich kaufen?</translation>
    </message>
    <message>
        <source>I will refund your loan if you have enough money.</source>
        <translation>Ich zahle deinen Kredit zurück, wenn du genug Geld hast.</translation>
    </message>
    <message>
        <source>I&apos;ll refund when you have more than this</source>
        <translation>Ich zahle zurück, wenn du mehr als diesen Betrag hast</translation>
    </message>
    <message>
        <source>When you have enough money, i&apos;ll refund this</source>
        <translation>Wenn du genug Geld hast, zahle ich diesen Betrag zurück</translation>
    </message>
    <message>
        <source>Refund when I have more than</source>
        <translation>Zurückzahlen, wenn ich mehr habe als</translation>
    </message>
    <message>
        <source>How much I refund?</source>
        <translation>Wie viel soll ich zurückzahlen?</translation>
    </message>
    <message>
        <source>&amp;Close &amp;&amp; Save</source>
        <translation>&amp;Speichern und schließen</translation>
    </message>
    <message>
        <source>Save the setting</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>&amp;Fire</source>
        <translation>&amp;Entlassen</translation>
    </message>
    <message>
        <source>Fire this employe</source>
        <translation>Diesen Mitarbeiter entlassen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBanksForm</name>
    <message>
        <source>Choose a bank</source>
        <translation>Wähl eine Bank</translation>
    </message>
    <message>
        <source>Canadian banks</source>
        <translation>Kanadische Banken</translation>
    </message>
    <message>
        <source>Invest Bank</source>
        <translation>Invest Bank</translation>
    </message>
    <message>
        <source>Inter Bank</source>
        <translation>Inter Bank</translation>
    </message>
    <message>
        <source>Europen banks</source>
        <translation>Europäische Banken</translation>
    </message>
    <message>
        <source>German Bank</source>
        <translation>German Bank</translation>
    </message>
    <message>
        <source>China Cash</source>
        <translation>China Cash</translation>
    </message>
    <message>
        <source>Enter the bank</source>
        <translation>Bank betreten</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBarSetupForm</name>
    <message>
        <source>Setup of the new bar</source>
        <translation>Einrichtung der neuen Bar</translation>
    </message>
    <message>
        <source>Name of the bar:</source>
        <translation>Name der Bar:</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Techno/Rave</source>
        <translation>Techno/Rave</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Metal/Black Metal/Death</source>
        <translation>Metal/Black Metal/Death</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr Infos</translation>
    </message>
    <message>
        <source>Type of bar</source>
        <translation>Art der Bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>Gehoben</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Düster</translation>
    </message>
    <message>
        <source>Rave Class</source>
        <translation>Rave</translation>
    </message>
    <message>
        <source>This bar is located in a small street of the city, your clients are poor.</source>
        <translation>Diese Bar liegt in einer kleinen Seitenstraße der Stadt, deine Gäste sind arm.</translation>
    </message>
    <message>
        <source>Entry price?</source>
        <translation>Eintrittspreis?</translation>
    </message>
    <message>
        <source>Money before the sale:</source>
        <translation>Geld vor dem Kauf:</translation>
    </message>
    <message>
        <source>Money after the sale:</source>
        <translation>Geld nach dem Kauf:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter the name of your bar</source>
        <translation>Gib den Namen deiner Bar ein</translation>
    </message>
    <message>
        <source>Low Class Bar</source>
        <translation>Einfache Bar</translation>
    </message>
    <message>
        <source>High Class Bar</source>
        <translation>Gehobene Bar</translation>
    </message>
    <message>
        <source>Dark Class Bar</source>
        <translation>Düstere Bar</translation>
    </message>
    <message>
        <source>Rave Class Bar</source>
        <translation>Rave-Bar</translation>
    </message>
    <message>
        <source>You must choose at lease one type of music</source>
        <translation>Du musst mindestens eine Musikrichtung wählen</translation>
    </message>
    <message>
        <source>This bar is located in a famous street of the city, your clients are rich and affluent.</source>
        <translation>Diese Bar liegt in einer berühmten Straße der Stadt, deine Gäste sind reich und wohlhabend.</translation>
    </message>
    <message>
        <source>This bar is located in a dark part of the city, your clients are strange, mysterious and weird people.</source>
        <translation>Diese Bar liegt in einem düsteren Viertel der Stadt, deine Gäste sind seltsame, geheimnisvolle und schräge Leute.</translation>
    </message>
    <message>
        <source>This bar is located in an old building, there is a lot of empty space to dance.</source>
        <translation>Diese Bar liegt in einem alten Gebäude, es gibt viel freien Platz zum Tanzen.</translation>
    </message>
    <message>
        <source>The type of music you play goes with the location of the bar and the clients of your bar,
 if you put the wrong type of music with the bar,
 people won&apos;t come.</source>
        <translation>Die Musik, die du spielst, muss zur Lage der Bar und zu ihren Gästen passen:
 Spielst du in der Bar die falsche Musik,
 kommen die Leute nicht.</translation>
    </message>
    <message>
        <source>Music: More</source>
        <translation>Musik: Mehr</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDisasFireForm</name>
    <message>
        <source>Fire!</source>
        <translation>Feuer!</translation>
    </message>
    <message>
        <source>You wasn&apos;t insured</source>
        <translation>Du warst nicht versichert</translation>
    </message>
    <message>
        <source>You was insured </source>
        <translation>Du warst versichert </translation>
    </message>
    <message>
        <source>You must pay: </source>
        <translation>Du musst zahlen: </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDrinkForm</name>
    <message>
        <source>Order drinks for your bars</source>
        <translation>Getränke für deine Bars bestellen</translation>
    </message>
    <message>
        <source>Choose the bar you want to order drinks:</source>
        <translation>Wähl die Bar, für die du Getränke bestellen willst:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Clients /  Day:</source>
        <translation>Gäste pro Tag:</translation>
    </message>
    <message>
        <source>Choose the drink you want to order:</source>
        <translation>Wähl das Getränk, das du bestellen willst:</translation>
    </message>
    <message>
        <source>Drink Informations</source>
        <translation>Getränkeinfos</translation>
    </message>
    <message>
        <source>Retail Price:</source>
        <translation>Ladenpreis:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>oz</translation>
    </message>
    <message>
        <source>Your order</source>
        <translation>Deine Bestellung</translation>
    </message>
    <message>
        <source>I use this drink in this bar</source>
        <translation>Ich schenke dieses Getränk in dieser Bar aus</translation>
    </message>
    <message>
        <source>Qty left in this bar</source>
        <translation>Restmenge in dieser Bar</translation>
    </message>
    <message>
        <source>Qty you want to buy</source>
        <translation>Gewünschte Menge</translation>
    </message>
    <message>
        <source>Your Price</source>
        <translation>Dein Preis</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Bestellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Add a drink</source>
        <translation>Getränk hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>All your bars</source>
        <translation>Alle deine Bars</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Geöffnet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Beer Information</source>
        <translation>Bierinfos</translation>
    </message>
    <message>
        <source>Shooter Information</source>
        <translation>Infos zum Shot</translation>
    </message>
    <message>
        <source>In the next release!</source>
        <translation>In der nächsten Version!</translation>
    </message>
    <message>
        <source>How to buy drinks?
1- Choose the bar you want to order drinks
2- Choose the drink you want to order
3- Enter a price and a qty and order.</source>
        <translation>Wie kauft man Getränke?
1- Wähl die Bar, für die du bestellen willst
2- Wähl das Getränk, das du bestellen willst
3- Gib einen Preis und eine Menge ein und bestelle.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TFinanceForm</name>
    <message>
        <source>Finances</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <translation>&amp;Geld</translation>
    </message>
    <message>
        <source>&amp;Profit of each bar</source>
        <translation>Ge&amp;winn jeder Bar</translation>
    </message>
    <message>
        <source>&amp;Visitors of each bar</source>
        <translation>&amp;Besucher jeder Bar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Money ($)</source>
        <translation>Geld ($)</translation>
    </message>
    <message>
        <source>No month has ended yet in this game: the charts fill in at each month&apos;s end.</source>
        <translation>In diesem Spiel ist noch kein Monat zu Ende gegangen: Die Diagramme füllen sich an jedem Monatsende.</translation>
    </message>
    <message>
        <source>Month by month from %1 to %2: the money at each month&apos;s end, and each bar&apos;s profit and visitors.</source>
        <translation>Monat für Monat von %1 bis %2: das Geld an jedem Monatsende sowie Gewinn und Besucher jeder Bar.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TGameForm</name>
    <message>
        <source>Tavo Alpha</source>
        <translation>Tavo Alpha</translation>
    </message>
    <message>
        <source>Bar stock info.</source>
        <translation>Vorrat der Bar</translation>
    </message>
    <message>
        <source>Stay on this bar</source>
        <translation>Bei dieser Bar bleiben</translation>
    </message>
    <message>
        <source>See the next bar now</source>
        <translation>Jetzt die nächste Bar zeigen</translation>
    </message>
    <message>
        <source>Misc info.</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Lottery tickets buy:</source>
        <translation>Gekaufte Lottoscheine:</translation>
    </message>
    <message>
        <source>Number of lottery tickets bought by your admin.</source>
        <translation>Anzahl der Lottoscheine, die dein Verwalter gekauft hat.</translation>
    </message>
    <message>
        <source>Clients in your bar:</source>
        <translation>Gäste in deiner Bar:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Your messages box:</source>
        <translation>Deine Nachrichten:</translation>
    </message>
    <message>
        <source>&amp;Visit the website</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Debug Menu</source>
        <translation>Debug-Menü</translation>
    </message>
    <message>
        <source>Set Clock speed</source>
        <translation>Tempo einstellen</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Set one of your bar in fire</source>
        <translation>Eine deiner Bars anzünden</translation>
    </message>
    <message>
        <source>Add money</source>
        <translation>Geld hinzufügen</translation>
    </message>
    <message>
        <source>Clock speed</source>
        <translation>Tempo der Uhr</translation>
    </message>
    <message>
        <source>Money to add</source>
        <translation>Geld zum Hinzufügen</translation>
    </message>
    <message>
        <source>Week day:</source>
        <translation>Wochentag:</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <translation>L&amp;angsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>V&amp;iew your info</source>
        <translation>Deine &amp;Infos ansehen</translation>
    </message>
    <message>
        <source>&amp;Buy drinks</source>
        <translation>&amp;Getränke kaufen</translation>
    </message>
    <message>
        <source>B&amp;uy a bar</source>
        <translation>&amp;Bar kaufen</translation>
    </message>
    <message>
        <source>&amp;Promote your bar</source>
        <translation>Bar be&amp;werben</translation>
    </message>
    <message>
        <source>&amp;Finances</source>
        <translation>&amp;Finanzen</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>B&amp;ank besuchen</translation>
    </message>
    <message>
        <source>I&amp;nvest Bank</source>
        <translation>I&amp;nvest Bank</translation>
    </message>
    <message>
        <source>&amp;German Bank</source>
        <translation>&amp;German Bank</translation>
    </message>
    <message>
        <source>Chin&amp;a Bank</source>
        <translation>Chin&amp;a Cash</translation>
    </message>
    <message>
        <source>&amp;Manage staff</source>
        <translation>&amp;Personal verwalten</translation>
    </message>
    <message>
        <source>&amp;Hire staff</source>
        <translation>Personal &amp;einstellen</translation>
    </message>
    <message>
        <source>Vi&amp;ew your staff</source>
        <translation>Personal &amp;ansehen</translation>
    </message>
    <message>
        <source>&amp;Lottery Center</source>
        <translation>&amp;Lotto-Center</translation>
    </message>
    <message>
        <source>Lotto &amp;6/49</source>
        <translation>Lotto &amp;6/49</translation>
    </message>
    <message>
        <source>Spin &amp;Cash</source>
        <translation>Spin &amp;Cash</translation>
    </message>
    <message>
        <source>&amp;Racing Money</source>
        <translation>&amp;Racing Money</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Internet Center</source>
        <translation>&amp;Internet-Center</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Tavo</translation>
    </message>
    <message>
        <source>C&amp;lear this message</source>
        <translation>Diese Nachricht &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Clear all messages</source>
        <translation>&amp;Alle Nachrichten löschen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Open a save game</source>
        <translation>Spielstand öffnen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit the game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Set the speed of the game</source>
        <translation>Spieltempo einstellen</translation>
    </message>
    <message>
        <source>View your informations</source>
        <translation>Deine Informationen ansehen</translation>
    </message>
    <message>
        <source>Buy drinks</source>
        <translation>Getränke kaufen</translation>
    </message>
    <message>
        <source>Buy a bar</source>
        <translation>Bar kaufen</translation>
    </message>
    <message>
        <source>Promote your bar</source>
        <translation>Bar bewerben</translation>
    </message>
    <message>
        <source>Finances month by month</source>
        <translation>Finanzen Monat für Monat</translation>
    </message>
    <message>
        <source>&amp;Invest Bank</source>
        <translation>&amp;Invest Bank</translation>
    </message>
    <message>
        <source>&amp;China Cash</source>
        <translation>&amp;China Cash</translation>
    </message>
    <message>
        <source>Visit the bank</source>
        <translation>Bank besuchen</translation>
    </message>
    <message>
        <source>&amp;Hire Staff</source>
        <translation>Personal &amp;einstellen</translation>
    </message>
    <message>
        <source>&amp;View Staff</source>
        <translation>Personal &amp;ansehen</translation>
    </message>
    <message>
        <source>Manage your staff</source>
        <translation>Dein Personal verwalten</translation>
    </message>
    <message>
        <source>&amp;Lotto 6/49</source>
        <translation>&amp;Lotto 6/49</translation>
    </message>
    <message>
        <source>&amp;Spin Cash</source>
        <translation>&amp;Spin Cash</translation>
    </message>
    <message>
        <source>Lottery Center</source>
        <translation>Lotto-Center</translation>
    </message>
    <message>
        <source>Visit the Internet Center</source>
        <translation>Internet-Center besuchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tavo</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Fehler #3
Fehler!</translation>
    </message>
    <message>
        <source>Error #3
Error opening file!</source>
        <translation>Fehler #3
Die Datei lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>You really want to quit ?</source>
        <translation>Willst du das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Do you want to save the game before leaving?</source>
        <translation>Willst du das Spiel speichern, bevor du es beendest?</translation>
    </message>
    <message>
        <source>Save your game?</source>
        <translation>Spiel speichern?</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>Willst du ein neues Spiel anfangen?</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Neues Spiel anfangen?</translation>
    </message>
    <message>
        <source>Next bar</source>
        <translation>Nächste Bar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TGermInsuForm</name>
    <message>
        <source>Buy an insurance</source>
        <translation>Versicherung abschließen</translation>
    </message>
    <message>
        <source>Read our contract before sign up</source>
        <translation>Lies unseren Vertrag, bevor du unterschreibst</translation>
    </message>
    <message>
        <source>The fire insurance covers all of
your bar. If a fire destroys your bar,
you&apos;ll  receive the value of the bar
plus 15 000$. If the bar is burned
down and the investigation of the
police tells us that you are affiliated
with some mafia gang, your
contract is null and you&apos;ll lose
everything. The cost of the
insurance is 1000$ per month.</source>
        <translation>Die Feuerversicherung deckt deine
ganze Bar ab. Zerstört ein Feuer
deine Bar, bekommst du den Wert der
Bar plus 15.000&#xa0;$. Brennt die Bar ab
und ergeben die Ermittlungen der
Polizei, dass du mit einer Mafiabande
zu tun hast, ist dein Vertrag nichtig
und du verlierst alles. Die
Versicherung kostet 1000&#xa0;$ pro Monat.</translation>
    </message>
    <message>
        <source>The theft insurance covers all of
your bar. If a burglary happens in
one of your bars, you&apos;ll recieve
90% of the value stolen. If the
investigation of the police tells us
that you are affiliated with some
mafia gang, your contract is null
and you&apos;ll lose everything. The
cost of the insurance is 800$ per
month.</source>
        <translation>Die Diebstahlversicherung deckt
deine ganze Bar ab. Wird in eine
deiner Bars eingebrochen, bekommst
du 90&#xa0;% des gestohlenen Werts.
Ergeben die Ermittlungen der Polizei,
dass du mit einer Mafiabande zu tun
hast, ist dein Vertrag nichtig und
du verlierst alles. Die Versicherung
kostet 800&#xa0;$ pro Monat.</translation>
    </message>
    <message>
        <source>Fire insurace</source>
        <translation>Feuerversicherung</translation>
    </message>
    <message>
        <source>Theft insurace</source>
        <translation>Diebstahlversicherung</translation>
    </message>
    <message>
        <source>Check the box if you want:</source>
        <translation>Kreuz das Kästchen an, wenn du sie willst:</translation>
    </message>
    <message>
        <source> contract</source>
        <translation>: Vertrag</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Unterschreiben</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::THireStaffForm</name>
    <message>
        <source>Hire Staff for you bars</source>
        <translation>Personal für deine Bars einstellen</translation>
    </message>
    <message>
        <source>Hire staff for your bars</source>
        <translation>Personal für deine Bars einstellen</translation>
    </message>
    <message>
        <source>lottery tickets and take care of your investments and loans.</source>
        <translation>Lottoscheine besorgen und sich um deine Anlagen und Kredite kümmern.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Gehalt</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Verwalter</translation>
    </message>
    <message>
        <source>&amp;Hire</source>
        <translation>&amp;Einstellen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>An administrator can do many things for you! He can buy beers,</source>
        <translation>Ein Verwalter kann viel für dich tun! Er kann Bier kaufen,</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInfoForm</name>
    <message>
        <source>Informations</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>The Owner&apos;s Name</source>
        <translation>Name des Besitzers</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Geschäftsmann</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Cooler Typ</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>Die Frau</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Noch zurückzuzahlen:</translation>
    </message>
    <message>
        <source>Payments/month:</source>
        <translation>Zahlungen pro Monat:</translation>
    </message>
    <message>
        <source>Taxes/month:</source>
        <translation>Steuern pro Monat:</translation>
    </message>
    <message>
        <source>The Bar&apos;s Name</source>
        <translation>Name der Bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>Gehoben</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Düster</translation>
    </message>
    <message>
        <source>Rave Class</source>
        <translation>Rave</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Techno/Rave</source>
        <translation>Techno/Rave</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>Metal/Black Metal/Death</source>
        <translation>Metal/Black Metal/Death</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Dance</translation>
    </message>
    <message>
        <source>Max clients:</source>
        <translation>Max. Gäste:</translation>
    </message>
    <message>
        <source>Peak clients:</source>
        <translation>Gäste-Rekord:</translation>
    </message>
    <message>
        <source>Status of you bar</source>
        <translation>Status deiner Bar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Festlegen</translation>
    </message>
    <message>
        <source>Entry Price:</source>
        <translation>Eintrittspreis:</translation>
    </message>
    <message>
        <source>Profit this month:</source>
        <translation>Gewinn diesen Monat:</translation>
    </message>
    <message>
        <source>Visitors this month:</source>
        <translation>Besucher diesen Monat:</translation>
    </message>
    <message>
        <source>Profit last month:</source>
        <translation>Gewinn letzten Monat:</translation>
    </message>
    <message>
        <source>Visitors last month:</source>
        <translation>Besucher letzten Monat:</translation>
    </message>
    <message>
        <source>Lottery profit:</source>
        <translation>Lotto-Gewinn:</translation>
    </message>
    <message>
        <source>Beers Stock</source>
        <translation>Biervorrat</translation>
    </message>
    <message>
        <source>Your bars:</source>
        <translation>Deine Bars:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Geöffnet</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInternetCenterForm</name>
    <message>
        <source>Internet Center</source>
        <translation>Internet-Center</translation>
    </message>
    <message>
        <source>The latest version of Tavo</source>
        <translation>Die neueste Version von Tavo</translation>
    </message>
    <message>
        <source>The news of Tavo</source>
        <translation>Neuigkeiten von Tavo</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TLotoSixForm</name>
    <message>
        <source>Lotto 6/49</source>
        <translation>Lotto 6/49</translation>
    </message>
    <message>
        <source>Each weeks you can win big with Lotto 6/49</source>
        <translation>Jede Woche groß gewinnen mit Lotto 6/49</translation>
    </message>
    <message>
        <source>Ticket&apos;s price: 250$</source>
        <translation>Preis pro Lottoschein: 250&#xa0;$</translation>
    </message>
    <message>
        <source>Current jackpot:</source>
        <translation>Aktueller Jackpot:</translation>
    </message>
    <message>
        <source>Your ticket numbers </source>
        <translation>Die Zahlen deines Lottoscheins </translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Zahl %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Buy this ticket</source>
        <translation>Diesen Lottoschein kaufen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMainForm</name>
    <message>
        <source>Start a new game</source>
        <translation>Ein neues Spiel anfangen</translation>
    </message>
    <message>
        <source>Load a saved game</source>
        <translation>Einen gespeicherten Spielstand laden</translation>
    </message>
    <message>
        <source>Error #02
Unable to complet LoadTheFile.</source>
        <translation>Fehler #02
LoadTheFile konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Hoppla...</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Fehler #3
Fehler!</translation>
    </message>
    <message>
        <source>Error #02
You must re-install the game.
The bars list file is not found!</source>
        <translation>Fehler #02
Du musst das Spiel neu installieren.
Die Barliste wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Error #03
You must re-install the game.
The drinks list file is not found</source>
        <translation>Fehler #03
Du musst das Spiel neu installieren.
Die Getränkeliste wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMapForm</name>
    <message>
        <source>Choose a bar to buy</source>
        <translation>Wähl eine Bar zum Kaufen</translation>
    </message>
    <message>
        <source>Town map</source>
        <translation>Stadtplan</translation>
    </message>
    <message>
        <source>Each pin is a bar of the list beside it</source>
        <translation>Jede Nadel ist eine Bar aus der Liste daneben</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Average clients/day:</source>
        <translation>Gäste pro Tag im Schnitt:</translation>
    </message>
    <message>
        <source>Maximum clients in bar:</source>
        <translation>Max. Gäste in der Bar:</translation>
    </message>
    <message>
        <source>Cost per month:</source>
        <translation>Kosten pro Monat:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Besitzer:</translation>
    </message>
    <message>
        <source>&amp;Buy the bar</source>
        <translation>Bar &amp;kaufen</translation>
    </message>
    <message>
        <source>&amp;Sell the bar</source>
        <translation>Bar &amp;verkaufen</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>Zur &amp;Bank</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>This bar is not owned</source>
        <translation>Diese Bar hat keinen Besitzer</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TNewCarForm</name>
    <message>
        <source>Create a new character</source>
        <translation>Neue Figur erstellen</translation>
    </message>
    <message>
        <source>Owner&apos;s name:</source>
        <translation>Name des Besitzers:</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>Wer bist du?</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Geschäftsmann</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Cooler Typ</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>Die Frau</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Your profile</source>
        <translation>Dein Profil</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr Infos</translation>
    </message>
    <message>
        <source>If you need more info</source>
        <translation>Falls du mehr wissen willst</translation>
    </message>
    <message>
        <source>Credibility:</source>
        <translation>Glaubwürdigkeit:</translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation>Wissen:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter the owner&apos;s name</source>
        <translation>Gib den Namen des Besitzers ein</translation>
    </message>
    <message>
        <source>The business man</source>
        <translation>Der Geschäftsmann</translation>
    </message>
    <message>
        <source>The cool dude</source>
        <translation>Der coole Typ</translation>
    </message>
    <message>
        <source>The woman</source>
        <translation>Die Frau</translation>
    </message>
    <message>
        <source>The business man is a powerful person and he has many contacts in the financial industry.
 He doesn&apos;t know very much about bars.</source>
        <translation>Der Geschäftsmann ist mächtig und hat viele Kontakte in der Finanzwelt.
 Von Bars versteht er nicht viel.</translation>
    </message>
    <message>
        <source>The cool dude knows everything to know about bars,
but he doesn&apos;t have much credibility with the bank managers.</source>
        <translation>Der coole Typ weiß alles, was man über Bars wissen muss,
aber bei den Bankleuten ist er nicht sehr glaubwürdig.</translation>
    </message>
    <message>
        <source>The higher your knowledge, the higher the number of clients that will visit your bar(s).</source>
        <translation>Je größer dein Wissen, desto mehr Gäste kommen in deine Bar(s).</translation>
    </message>
    <message>
        <source>The woman isn&apos;t the best in the bar industry,
 but she can do great things.</source>
        <translation>Die Frau ist nicht die Beste im Bargeschäft,
 aber sie kann Großes leisten.</translation>
    </message>
    <message>
        <source>The higher your credibility becomes, the more you can borrow from your different banks.</source>
        <translation>Je glaubwürdiger du wirst, desto mehr kannst du dir bei deinen Banken leihen.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPassForm</name>
    <message>
        <source>Password Check</source>
        <translation>Passwortprüfung</translation>
    </message>
    <message>
        <source>Debug Center</source>
        <translation>Debug-Center</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Gib dein Passwort ein</translation>
    </message>
    <message>
        <source>Acces Status</source>
        <translation>Zugriff</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Gewährt</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Verweigert</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPopupForm</name>
    <message>
        <source>What&apos;s new?</source>
        <translation>Was ist neu?</translation>
    </message>
    <message>
        <source>What&apos;s new on this version:</source>
        <translation>Neu in dieser Version:</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>Sekunden übrig</translation>
    </message>
    <message>
        <source>Show this at startup</source>
        <translation>Beim Start anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk</source>
        <translation>Beim Schreiben auf die Festplatte ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Festplattenfehler</translation>
    </message>
    <message>
        <source>This window can close in 1 second.</source>
        <translation>Dieses Fenster lässt sich in 1 Sekunde schließen.</translation>
    </message>
    <message>
        <source>This window can close in %1 seconds.</source>
        <translation>Dieses Fenster lässt sich in %1 Sekunden schließen.</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>noch 1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>noch %1 Sekunden</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPromoteForm</name>
    <message>
        <source>Promote your bar</source>
        <translation>Werbung für deine Bar</translation>
    </message>
    <message>
        <source>You&apos;re looking for more clients in your bar?</source>
        <translation>Du suchst mehr Gäste für deine Bar?</translation>
    </message>
    <message>
        <source>Choose the bar to be promoted</source>
        <translation>Wähl die Bar, für die du werben willst</translation>
    </message>
    <message>
        <source>Where do you want to be promoted:</source>
        <translation>Wo willst du werben:</translation>
    </message>
    <message>
        <source>Newspaper pub           [  5 000$]</source>
        <translation>Zeitungswerbung [ 5.000&#xa0;$]</translation>
    </message>
    <message>
        <source>Radio pub                    [15 000$]</source>
        <translation>Radiowerbung [15.000&#xa0;$]</translation>
    </message>
    <message>
        <source>Tv pub                         [25 000$]</source>
        <translation>Fernsehwerbung [25.000&#xa0;$]</translation>
    </message>
    <message>
        <source>&amp;Promote</source>
        <translation>&amp;Werben</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TRacingMonForm</name>
    <message>
        <source>Racing Money - The fastest way to win money</source>
        <translation>Racing Money - Der schnellste Weg zu Geld</translation>
    </message>
    <message>
        <source>Choose the car you bet on</source>
        <translation>Wähl das Auto, auf das du setzt</translation>
    </message>
    <message>
        <source>Car 1 (Blue)</source>
        <translation>Auto 1 (blau)</translation>
    </message>
    <message>
        <source>Car 2 (Purple)</source>
        <translation>Auto 2 (lila)</translation>
    </message>
    <message>
        <source>Car 3 (Yellow)</source>
        <translation>Auto 3 (gelb)</translation>
    </message>
    <message>
        <source>Car 4 (Green)</source>
        <translation>Auto 4 (grün)</translation>
    </message>
    <message>
        <source>How much do you bet?</source>
        <translation>Wie viel setzt du?</translation>
    </message>
    <message>
        <source>Bet some money. If you bet 100$, you&apos;ll win 200$</source>
        <translation>Setz etwas Geld. Setzt du 100&#xa0;$, gewinnst du 200&#xa0;$</translation>
    </message>
    <message>
        <source>You&apos;ll win X2 your bet!</source>
        <translation>Du gewinnst das Doppelte deines Einsatzes!</translation>
    </message>
    <message>
        <source>Live coverage of this race</source>
        <translation>Dieses Rennen live</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Sieger des Rennens:</translation>
    </message>
    <message>
        <source>The current race leader:</source>
        <translation>Führend im Rennen:</translation>
    </message>
    <message>
        <source>&amp;Start The Race</source>
        <translation>&amp;Rennen starten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 % of the race run</source>
        <translation>%1&#xa0;% des Rennens gefahren</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TSetupForm</name>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>View what&apos;s new at startup</source>
        <translation>Neuigkeiten beim Start zeigen</translation>
    </message>
    <message>
        <source>Pause the game while you buy beers</source>
        <translation>Spiel anhalten, während du Bier kaufst</translation>
    </message>
    <message>
        <source>Close the form after you buy beers</source>
        <translation>Fenster schließen, nachdem du Bier gekauft hast</translation>
    </message>
    <message>
        <source>Save the game by itself at each month change</source>
        <translation>Spiel bei jedem Monatswechsel automatisch speichern</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Your bars list file:</source>
        <translation>Datei deiner Barliste:</translation>
    </message>
    <message>
        <source>Your drinks list file:</source>
        <translation>Datei deiner Getränkeliste:</translation>
    </message>
    <message>
        <source>Path of your bars list file</source>
        <translation>Pfad deiner Barliste</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select the bars list file</source>
        <translation>Barliste auswählen</translation>
    </message>
    <message>
        <source>Bars list file (*.bar)|*.bar</source>
        <translation>Barliste (*.bar)|*.bar</translation>
    </message>
    <message>
        <source>Select the drinks list file</source>
        <translation>Getränkeliste auswählen</translation>
    </message>
    <message>
        <source>Drinks List File (*.drk)|*.drk</source>
        <translation>Getränkeliste (*.drk)|*.drk</translation>
    </message>
    <message>
        <source>Keeps each game&apos;s three newest in the saves folder, autosave-OWNER-TAG-1.sav to -3.sav after its owner, TAG telling the game apart</source>
        <translation>Behält die drei neuesten automatisch gespeicherten Spielstände jedes Spiels im Ordner saves: autosave-NAME-KENNUNG-1.sav bis -3.sav, wobei NAME der Name des Besitzers ist und KENNUNG das Spiel unterscheidet</translation>
    </message>
    <message>
        <source>The game speaks the language chosen here from its next start</source>
        <translation>Das Spiel spricht die hier gewählte Sprache ab dem nächsten Start</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The new language takes effect when Tavo next starts.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Tavo.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TSpinCashForm</name>
    <message>
        <source>Spin Cash</source>
        <translation>Spin Cash</translation>
    </message>
    <message>
        <source>Reel %1</source>
        <translation>Walze %1</translation>
    </message>
    <message>
        <source>&amp;Spin</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>Your bet:</source>
        <translation>Dein Einsatz:</translation>
    </message>
    <message>
        <source>1 - 2 - 3 = Your bet X 7</source>
        <translation>1 - 2 - 3 = dein Einsatz x 7</translation>
    </message>
    <message>
        <source>2 - 2 - 2 = Your bet X 5</source>
        <translation>2 - 2 - 2 = dein Einsatz x 5</translation>
    </message>
    <message>
        <source>3 - 3 - 3 = Your bet X 3</source>
        <translation>3 - 3 - 3 = dein Einsatz x 3</translation>
    </message>
    <message>
        <source>1 - 1 - 1 = Your bet X 2</source>
        <translation>1 - 1 - 1 = dein Einsatz x 2</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>You win:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>Verloren:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TViewStaffForm</name>
    <message>
        <source>View Staff Informations</source>
        <translation>Infos über das Personal</translation>
    </message>
    <message>
        <source>View informations</source>
        <translation>Infos ansehen</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Verwalter</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
