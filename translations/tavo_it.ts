<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Pictures</name>
    <message>
        <source>&amp;New game</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Infos</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Versione</translation>
    </message>
    <message>
        <source>News</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Notizie</translation>
    </message>
    <message>
        <source>Run the bars of the town, one night at a time</source>
        <comment>the main menu&apos;s picture, under the game&apos;s name</comment>
        <translation>Gestisci i bar della città, una notte alla volta</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>What&apos;s new in town</source>
        <comment>the picture of the window of what is new</comment>
        <translation>Novità in città</translation>
    </message>
    <message>
        <source>Your money grows with us</source>
        <comment>Invest Bank&apos;s slogan, under its name</comment>
        <translation>I tuoi soldi crescono con noi</translation>
    </message>
    <message>
        <source>The Power of your economy</source>
        <comment>German Bank&apos;s slogan, under its name</comment>
        <translation>La forza della tua economia</translation>
    </message>
    <message>
        <source>The easy way to get money</source>
        <comment>China Cash&apos;s slogan, under its name</comment>
        <translation>Il modo facile per fare soldi</translation>
    </message>
    <message>
        <source>Visit the Tavo web site</source>
        <comment>the Internet Center&apos;s picture link, beside a globe</comment>
        <translation>Visita il sito web di Tavo</translation>
    </message>
    <message>
        <source>Bars, banks and a little luck</source>
        <comment>the about window&apos;s picture, under the game&apos;s name</comment>
        <translation>Bar, banche e un po&apos; di fortuna</translation>
    </message>
    <message>
        <source>Tavo town</source>
        <comment>the town map&apos;s title, in its top left corner</comment>
        <translation>Città di Tavo</translation>
    </message>
</context>
<context>
    <name>tavo</name>
    <message>
        <source>The game could not save itself in %1.</source>
        <translation>Non è stato possibile salvare automaticamente la partita in %1.</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk
The setup file is unwritable.</source>
        <translation>Si è verificato un errore durante la scrittura sul disco
Impossibile scrivere il file di configurazione.</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Errore del disco</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 non è un numero intero valido</translation>
    </message>
    <message>
        <source>%1 is not a valid floating point value</source>
        <translation>%1 non è un numero decimale valido</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to buy this insurances.</source>
        <translation>Non hai abbastanza soldi per stipulare questa assicurazione.</translation>
    </message>
    <message>
        <source>Oups!</source>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>Do you want to leave the fire insurance?</source>
        <translation>Vuoi disdire l&apos;assicurazione incendio?</translation>
    </message>
    <message>
        <source>Leave an insurance</source>
        <translation>Disdici un&apos;assicurazione</translation>
    </message>
    <message>
        <source>Do you want to leave the stole insurance?</source>
        <translation>Vuoi disdire l&apos;assicurazione furto?</translation>
    </message>
    <message>
        <source>5 years investment at 10% per year</source>
        <translation>Investimento a 5 anni al 10% annuo</translation>
    </message>
    <message>
        <source>10 years investment at 25% per year</source>
        <translation>Investimento a 10 anni al 25% annuo</translation>
    </message>
    <message>
        <source>have your money back, the charge is 30% of</source>
        <translation>vuoi riavere i soldi, la penale è del 30%</translation>
    </message>
    <message>
        <source>15 years investment at 30% per year</source>
        <translation>Investimento a 15 anni al 30% annuo</translation>
    </message>
    <message>
        <source>25 years investment at 35% per year</source>
        <translation>Investimento a 25 anni al 35% annuo</translation>
    </message>
    <message>
        <source>have your money back, the charge is 60% of</source>
        <translation>vuoi riavere i soldi, la penale è del 60%</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to invest</source>
        <translation>Non hai abbastanza soldi per investire</translation>
    </message>
    <message>
        <source>You already have an investment here.</source>
        <translation>Hai già un investimento qui.</translation>
    </message>
    <message>
        <source>You don&apos;t have engouth money</source>
        <translation>Non hai abbastanza soldi</translation>
    </message>
    <message>
        <source>You don&apos;t have finish all your investment years.
Do you want your money back?</source>
        <translation>Il tuo investimento non è ancora giunto a scadenza.
Vuoi riavere lo stesso i tuoi soldi?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Do you want your money back now?</source>
        <translation>Vuoi riavere i tuoi soldi adesso?</translation>
    </message>
    <message>
        <source>Get the money back</source>
        <translation>Riavere i soldi</translation>
    </message>
    <message>
        <source>One of your investments is finish. Your admin have take care of this.</source>
        <translation>Uno dei tuoi investimenti è giunto a scadenza. Il tuo amministratore se n&apos;è occupato.</translation>
    </message>
    <message>
        <source>25% per year.</source>
        <translation>25% annuo.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 15 000$!
Or you reach your loan limit.</source>
        <translation>Spiacenti! Non puoi farti prestare più di 15.000&#xa0;$!
Oppure hai raggiunto il tuo limite di prestito.</translation>
    </message>
    <message>
        <source>30% per year.</source>
        <translation>30% annuo.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 25 000$!
Or you reach your loan limit.</source>
        <translation>Spiacenti! Non puoi farti prestare più di 25.000&#xa0;$!
Oppure hai raggiunto il tuo limite di prestito.</translation>
    </message>
    <message>
        <source>Error #52... unexpected owner...</source>
        <translation>Errore #52... proprietario inatteso...</translation>
    </message>
    <message>
        <source>Sorry! But we don&apos;t borrow money to gamblers!</source>
        <translation>Spiacenti! Ma non prestiamo soldi a chi gioca d&apos;azzardo!</translation>
    </message>
    <message>
        <source>Loan denied</source>
        <translation>Prestito negato</translation>
    </message>
    <message>
        <source>You must ask for at least 1$.</source>
        <translation>Devi chiedere almeno 1&#xa0;$.</translation>
    </message>
    <message>
        <source>Your loan have been accepted.</source>
        <translation>Il tuo prestito è stato approvato.</translation>
    </message>
    <message>
        <source>Loan accepted</source>
        <translation>Prestito approvato</translation>
    </message>
    <message>
        <source>You must refund at least 1$.</source>
        <translation>Devi rimborsare almeno 1&#xa0;$.</translation>
    </message>
    <message>
        <source>Oups!!</source>
        <translation>Ops!!</translation>
    </message>
    <message>
        <source>You refund too much...</source>
        <translation>Stai rimborsando troppo...</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to refund.</source>
        <translation>Non hai abbastanza soldi per rimborsare.</translation>
    </message>
    <message>
        <source>Bailiff: Invest Bank wants is money back! So I took your money.</source>
        <translation>Ufficiale giudiziario: la Invest Bank rivuole i suoi soldi! Così ho preso i tuoi.</translation>
    </message>
    <message>
        <source>Bailiff: China Cash wants is money back! So I took your money.</source>
        <translation>Ufficiale giudiziario: la China Cash rivuole i suoi soldi! Così ho preso i tuoi.</translation>
    </message>
    <message>
        <source>One of your admin repay a part of your loan.</source>
        <translation>Uno dei tuoi amministratori ha rimborsato una parte del tuo prestito.</translation>
    </message>
    <message>
        <source>One of your admin finish to repay one of your loan.</source>
        <translation>Uno dei tuoi amministratori ha finito di rimborsare uno dei tuoi prestiti.</translation>
    </message>
    <message>
        <source>Under Construction</source>
        <translation>In costruzione</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 1000$</source>
        <translation>Vuoi diventare socio?
Costa solo 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 3500$</source>
        <translation>Vuoi diventare socio?
Costa solo 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s 8000$</source>
        <translation>Vuoi diventare socio?
Costa 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Diventa socio</translation>
    </message>
    <message>
        <source>The price you set to enter your bar is too high!</source>
        <translation>Il prezzo d&apos;ingresso del tuo bar è troppo alto!</translation>
    </message>
    <message>
        <source>You already run %1 bars, the most an owner can.
You can&apos;t buy another one.</source>
        <translation>Gestisci già %1 bar, il massimo per un proprietario.
Non puoi comprarne un altro.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Ops...</translation>
    </message>
    <message>
        <source>Under reconstruction ;-)</source>
        <translation>In ricostruzione ;-)</translation>
    </message>
    <message>
        <source>Choose the bar to buy on the map first.</source>
        <translation>Prima scegli sulla mappa il bar da comprare.</translation>
    </message>
    <message>
        <source>You must choose a name for your bar.</source>
        <translation>Devi scegliere un nome per il tuo bar.</translation>
    </message>
    <message>
        <source>You must choose at least one type of music.</source>
        <translation>Devi scegliere almeno un genere musicale.</translation>
    </message>
    <message>
        <source>You must choose a type of bar.</source>
        <translation>Devi scegliere un tipo di bar.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy this bar.</source>
        <translation>Non hai abbastanza soldi per comprare questo bar.</translation>
    </message>
    <message>
        <source>The bar you just buy isn&apos;t open yet. Open it to make business.</source>
        <translation>Il bar che hai appena comprato non è ancora aperto. Aprilo per fare affari.</translation>
    </message>
    <message>
        <source>You must use the US version of the drinks list.
We&apos;ve updated your config file.
Save your game and restart Tavo.
You can also choose another drinks list in the setup menu.</source>
        <translation>Devi usare la versione USA della lista delle bevande.
Abbiamo aggiornato il tuo file di configurazione.
Salva la partita e riavvia Tavo.
Puoi anche scegliere un&apos;altra lista delle bevande nelle impostazioni.</translation>
    </message>
    <message>
        <source>You must fill all the forms.</source>
        <translation>Devi compilare tutti i campi.</translation>
    </message>
    <message>
        <source>The price of this drink is too high!
You must lower it!</source>
        <translation>Il prezzo di questa bevanda è troppo alto!
Devi abbassarlo!</translation>
    </message>
    <message>
        <source>The price of this drink is too high.
Do you want to set a lower price?</source>
        <translation>Il prezzo di questa bevanda è troppo alto.
Vuoi fissare un prezzo più basso?</translation>
    </message>
    <message>
        <source>Set a lower price?</source>
        <translation>Abbassare il prezzo?</translation>
    </message>
    <message>
        <source>You must enter a valid price and a valid qty to order.</source>
        <translation>Devi inserire un prezzo e una quantità validi per ordinare.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to order!</source>
        <translation>Non hai abbastanza soldi per ordinare!</translation>
    </message>
    <message>
        <source>A bar sells 15 different drinks at most:
this one has no room left for another drink.</source>
        <translation>Un bar vende al massimo 15 bevande diverse:
in questo non c&apos;è più posto per un&apos;altra bevanda.</translation>
    </message>
    <message>
        <source>You have no bar to order these drinks for.</source>
        <translation>Non hai nessun bar per cui ordinare queste bevande.</translation>
    </message>
    <message>
        <source>Your order have been made.</source>
        <translation>Il tuo ordine è stato effettuato.</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Scarsa</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Molto buona</translation>
    </message>
    <message>
        <source>You must enter a owner name.</source>
        <translation>Devi inserire un nome per il proprietario.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on newspaper.</source>
        <translation>La pubblicità del tuo bar ora è sul giornale.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on radio station.</source>
        <translation>La pubblicità del tuo bar ora va in onda alla radio.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on tv station.</source>
        <translation>La pubblicità del tuo bar ora va in onda in TV.</translation>
    </message>
    <message>
        <source>Your bar can&apos;t handle more clients
or you don&apos;t have enough money.</source>
        <translation>Il tuo bar non può accogliere più clienti
oppure non hai abbastanza soldi.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>Happy new year!</source>
        <translation>Buon anno!</translation>
    </message>
    <message>
        <source>Damn... let&apos;s hope the game can handle Y2K ;-)</source>
        <translation>Accidenti... speriamo che il gioco regga il millennium bug ;-)</translation>
    </message>
    <message>
        <source>The path of your bars list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>Il percorso del file della lista dei bar è troppo lungo (%1 byte, al massimo %2):
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your bars list:
%1
Choose a bars list file of the game.</source>
        <translation>Questo file non può servire da lista dei bar:
%1
Scegli un file della lista dei bar del gioco.</translation>
    </message>
    <message>
        <source>The path of your drinks list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>Il percorso del file della lista delle bevande è troppo lungo (%1 byte, al massimo %2):
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your drinks list:
%1
Choose a drinks list file of the game.</source>
        <translation>Questo file non può servire da lista delle bevande:
%1
Scegli un file della lista delle bevande del gioco.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>You must choose a bars list file.</source>
        <translation>Devi scegliere un file della lista dei bar.</translation>
    </message>
    <message>
        <source>You must choose a drinks list file.</source>
        <translation>Devi scegliere un file della lista delle bevande.</translation>
    </message>
    <message>
        <source>Your save game wasn&apos;t saved...</source>
        <translation>Le impostazioni non sono state salvate...</translation>
    </message>
    <message>
        <source>Unable to connect to the Tavo web site.
Check that you are on the internet and try again.</source>
        <translation>Impossibile collegarsi al sito web di Tavo.
Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>The Tavo web site took too long to answer.
Try again later.</source>
        <translation>Il sito web di Tavo ci ha messo troppo a rispondere.
Riprova più tardi.</translation>
    </message>
    <message>
        <source>The Tavo web site could not send this page (error %1).
Try again later.</source>
        <translation>Il sito web di Tavo non è riuscito a inviare questa pagina (errore %1).
Riprova più tardi.</translation>
    </message>
    <message>
        <source>The page sent by the Tavo web site is too long to be shown.</source>
        <translation>La pagina inviata dal sito web di Tavo è troppo lunga per essere mostrata.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game to another site.
The page was not fetched.</source>
        <translation>Il sito web di Tavo ha reindirizzato il gioco verso un altro sito.
La pagina non è stata scaricata.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game from address to address too many times.
The page was not fetched.</source>
        <translation>Il sito web di Tavo ha rimandato il gioco da un indirizzo all&apos;altro troppe volte.
La pagina non è stata scaricata.</translation>
    </message>
    <message>
        <source>The page could not be fetched.</source>
        <translation>Non è stato possibile scaricare la pagina.</translation>
    </message>
    <message>
        <source>You must be on the internet to enter here.
Are you on internet?</source>
        <translation>Per entrare qui devi essere connesso a Internet.
Sei online?</translation>
    </message>
    <message>
        <source>Are you connected?</source>
        <translation>Sei online?</translation>
    </message>
    <message>
        <source>Internet Center</source>
        <translation>Centro Internet</translation>
    </message>
    <message>
        <source>Your version is
----
Version: 0.4.1
Build: 36
Date: August 7th, 1999
</source>
        <translation>La tua versione:
----
Versione: 0.4.1
Build: 36
Data: 7 agosto 1999
</translation>
    </message>
    <message>
        <source>You must enter a number on each box!</source>
        <translation>Devi inserire un numero in ogni casella!</translation>
    </message>
    <message>
        <source>Check if you&apos;ve enter a number between 6 and 49.
You can&apos;t use the same number too.</source>
        <translation>Controlla di aver inserito numeri tra 6 e 49.
Non puoi nemmeno usare due volte lo stesso numero.</translation>
    </message>
    <message>
        <source>You&apos;ve got 3 numbers on 6!</source>
        <translation>Hai indovinato 3 numeri su 6!</translation>
    </message>
    <message>
        <source>You&apos;ve got 4 numbers on 6!</source>
        <translation>Hai indovinato 4 numeri su 6!</translation>
    </message>
    <message>
        <source>You&apos;ve got 5 numbers on 6!</source>
        <translation>Hai indovinato 5 numeri su 6!</translation>
    </message>
    <message>
        <source>Oh my god you win the Lotto 6/49!!!</source>
        <translation>Oddio, hai vinto al Lotto 6/49!!!</translation>
    </message>
    <message>
        <source>Oh my god... the car # %1 is crash!</source>
        <translation>Oddio... l&apos;auto n.&#xa0;%1 si è schiantata!</translation>
    </message>
    <message>
        <source>Watch out! %1 have been reech by %2</source>
        <translation>Attenzione! L&apos;%1 è stata raggiunta dall&apos;%2</translation>
    </message>
    <message>
        <source>%1 is taking the lead!!</source>
        <translation>L&apos;%1 passa in testa!!</translation>
    </message>
    <message>
        <source>%1 is taking the lead!! Let&apos;s hope he will not crash!</source>
        <translation>L&apos;%1 passa in testa!! Speriamo che non si schianti!</translation>
    </message>
    <message>
        <source>%1 is taking a good lead!! Check this out!! Is going for the big one!</source>
        <translation>L&apos;%1 prende un bel vantaggio!! Guarda qua!! Punta alla vittoria!</translation>
    </message>
    <message>
        <source>Well this race is very close!! Action at is best!</source>
        <translation>Questa gara è combattutissima!! Spettacolo puro!</translation>
    </message>
    <message>
        <source>This race was HOT!!! What an ending!!</source>
        <translation>Questa gara è stata INFUOCATA!!! Che finale!!</translation>
    </message>
    <message>
        <source>Ouff!! That was close!! Good race guys!!</source>
        <translation>Uff!! C&apos;è mancato poco!! Bella gara, ragazzi!!</translation>
    </message>
    <message>
        <source>This race have been close, but the winner have work hard to win!</source>
        <translation>È stata una gara combattuta, ma il vincitore ha lottato duro per vincere!</translation>
    </message>
    <message>
        <source>This race is a complet domination by %1</source>
        <translation>L&apos;%1 ha dominato questa gara dall&apos;inizio alla fine</translation>
    </message>
    <message>
        <source>The car # %1</source>
        <translation>auto n.&#xa0;%1</translation>
    </message>
    <message>
        <source>You have to bet on one car!</source>
        <translation>Devi puntare su un&apos;auto!</translation>
    </message>
    <message>
        <source>You have to bet some money to play!</source>
        <translation>Devi puntare dei soldi per giocare!</translation>
    </message>
    <message>
        <source>You must bet!</source>
        <translation>Devi puntare!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to bet this!</source>
        <translation>Non hai abbastanza soldi per puntare tanto!</translation>
    </message>
    <message>
        <source>You car win is the winner!</source>
        <translation>La tua auto ha vinto!</translation>
    </message>
    <message>
        <source>Welcome! This is a live coverage of today&apos;s race</source>
        <translation>Benvenuti! Ecco la diretta della gara di oggi</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>All cars are curently racing</source>
        <translation>Tutte le auto sono in gara</translation>
    </message>
    <message>
        <source>You must enter a valid bet.</source>
        <translation>Devi inserire una puntata valida.</translation>
    </message>
    <message>
        <source>You don&apos;t have enought money to play</source>
        <translation>Non hai abbastanza soldi per giocare</translation>
    </message>
    <message>
        <source>Sorry but an other admin buy beers for you.
I can&apos;t do this job while he do this.</source>
        <translation>Mi dispiace, ma un altro amministratore ti compra già le birre.
Non posso fare questo lavoro mentre lo fa lui.</translation>
    </message>
    <message>
        <source>I can&apos;t refund less than 1$...</source>
        <translation>Non posso rimborsare meno di 1&#xa0;$...</translation>
    </message>
    <message>
        <source>You can&apos;t refund more than you have...</source>
        <translation>Non puoi rimborsare più di quello che hai...</translation>
    </message>
    <message>
        <source>Unexpected error #82... contact me:
%1</source>
        <translation>Errore imprevisto #82... scrivimi:
%1</translation>
    </message>
    <message>
        <source>Unexpected error #12
Contact me plz: %1</source>
        <translation>Errore imprevisto #12
Scrivimi, per favore: %1</translation>
    </message>
    <message>
        <source>Sorry but I can&apos;t buy all this tickets for a week...</source>
        <translation>Mi dispiace, ma non posso comprare tante schedine in una settimana...</translation>
    </message>
    <message>
        <source>Do you want to fire this employe?</source>
        <translation>Vuoi licenziare questo dipendente?</translation>
    </message>
    <message>
        <source>Fire this employe?</source>
        <translation>Licenziare questo dipendente?</translation>
    </message>
    <message>
        <source>Hi, I&apos;m ned! I&apos;ve always been a lucky man...
So I can manage your lottery tickets for you.
-----
Staff ID: #001</source>
        <translation>Ciao, sono Ned! Sono sempre stato fortunato...
Così posso occuparmi delle tue schedine del lotto.
-----
Matricola: #001</translation>
    </message>
    <message>
        <source>Hi there, here&apos;s what I can do for you

- Manage your beers stock
- Manage your lottery tickets
-----
Staff ID: #002</source>
        <translation>Ciao, ecco cosa posso fare per te:

- Gestire le tue scorte di birra
- Gestire le tue schedine del lotto
-----
Matricola: #002</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
beers stock? I can help with that!
-----
Staff ID: #003</source>
        <translation>Ciao! Non hai tempo di gestire le tue
scorte di birra? Posso aiutarti io!
-----
Matricola: #003</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
loans and investments? I can help you!
-----
Staff ID: #004</source>
        <translation>Ciao! Non hai tempo di gestire i tuoi
prestiti e investimenti? Posso aiutarti io!
-----
Matricola: #004</translation>
    </message>
    <message>
        <source>Error #7

Unexpected value... huh? Please contact me:
%1</source>
        <translation>Errore #7

Valore imprevisto... eh? Scrivimi, per favore:
%1</translation>
    </message>
    <message>
        <source>You can&apos;t hire this person now.</source>
        <translation>Adesso non puoi assumere questa persona.</translation>
    </message>
    <message>
        <source>Welcome to -=Invest Bank=-</source>
        <translation>Benvenuti alla -=Invest Bank=-</translation>
    </message>
    <message>
        <source>Become a new member for 1000$</source>
        <translation>Diventa socio per 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Anni trascorsi:</translation>
    </message>
    <message>
        <source>Interest Rate infos</source>
        <translation>Tassi di interesse</translation>
    </message>
    <message>
        <source>Long term investment</source>
        <translation>Investimento a lungo termine</translation>
    </message>
    <message>
        <source>5 years investment: 10% per year</source>
        <translation>Investimento a 5 anni: 10% annuo</translation>
    </message>
    <message>
        <source>10 years investment: 25% per year</source>
        <translation>Investimento a 10 anni: 25% annuo</translation>
    </message>
    <message>
        <source>Loan interest</source>
        <translation>Interessi sui prestiti</translation>
    </message>
    <message>
        <source>25% interest per year</source>
        <translation>25% di interessi annui</translation>
    </message>
    <message>
        <source>German Bank - The Power of your economy</source>
        <translation>German Bank - La forza della tua economia</translation>
    </message>
    <message>
        <source>Become a new member for 3500$</source>
        <translation>Diventa socio per 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years completed:</source>
        <translation>Anni completati:</translation>
    </message>
    <message>
        <source>Service Information</source>
        <translation>I nostri servizi</translation>
    </message>
    <message>
        <source>15 years investment: 30% per year</source>
        <translation>Investimento a 15 anni: 30% annuo</translation>
    </message>
    <message>
        <source>25 years investment: 35% per year</source>
        <translation>Investimento a 25 anni: 35% annuo</translation>
    </message>
    <message>
        <source>Insurance Informations</source>
        <translation>Le nostre assicurazioni</translation>
    </message>
    <message>
        <source>Fire insurance: 1000$ / years</source>
        <translation>Assicurazione incendio: 1000&#xa0;$ all&apos;anno</translation>
    </message>
    <message>
        <source>Stole insurance: 800$ / years</source>
        <translation>Assicurazione furto: 800&#xa0;$ all&apos;anno</translation>
    </message>
    <message>
        <source>China Cash - The easy way to get money</source>
        <translation>China Cash - Il modo facile per fare soldi</translation>
    </message>
    <message>
        <source>Become a new member for 8000$</source>
        <translation>Diventa socio per 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Services Informations</source>
        <translation>I nostri servizi</translation>
    </message>
    <message>
        <source>30% interest per year</source>
        <translation>30% di interessi annui</translation>
    </message>
    <message>
        <source>No web browser could be started. The address is:
</source>
        <translation>Non è stato possibile avviare un browser web. L&apos;indirizzo è:
</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Save game error</source>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>Save Files (*.sav)|*.sav|All Files (*.txt)|*.*</source>
        <translation>Partite salvate (*.sav)|*.sav|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>Load a game</source>
        <translation>Carica una partita</translation>
    </message>
    <message>
        <source>Save Game (*.sav)|*.sav|All File (*.*)|*.*</source>
        <translation>Partite salvate (*.sav)|*.sav|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>The version of your save game is older... restart a new game.</source>
        <translation>Il salvataggio è di una versione più vecchia... inizia una nuova partita.</translation>
    </message>
    <message>
        <source>%1 years old</source>
        <translation>%1 anni</translation>
    </message>
    <message>
        <source>%1$/month</source>
        <translation>%1&#xa0;$/mese</translation>
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
        <translation>- Racing Money (scommetti sulle gare di
  auto per vincere soldi)

- Ricevi i messaggi nel riquadro dei
  messaggi

- Ora puoi aprire o chiudere il tuo bar

- Nella finestra Informazioni trovi le
  statistiche dei tuoi bar (visitatori
  e guadagno)

- L&apos;ufficiale giudiziario paga la banca
  se il tuo prestito è troppo alto

- Grande riscrittura del codice (acquisto
  di bar, di bevande, ecc.)

- Nuova interfaccia per alcune finestre
  (Bevande, Informazioni, principale)

- Il centro aggiornamenti diventa il
  Centro Internet

- Qualche bug corretto!

- Qualche miglioramento</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Lingua del sistema</translation>
    </message>
</context>
<context>
    <name>tavo::ui::BankForm</name>
    <message>
        <source>You&apos;re not a member</source>
        <translation>Non sei socio</translation>
    </message>
    <message>
        <source>Your status:</source>
        <translation>Il tuo stato:</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Diventa socio</translation>
    </message>
    <message>
        <source>Make an Investment</source>
        <translation>Fai un investimento</translation>
    </message>
    <message>
        <source>Investment refund</source>
        <translation>Riscatta l&apos;investimento</translation>
    </message>
    <message>
        <source>Borrow money</source>
        <translation>Chiedi un prestito</translation>
    </message>
    <message>
        <source>Refund the loan</source>
        <translation>Rimborsa il prestito</translation>
    </message>
    <message>
        <source>Buy Insurance</source>
        <translation>Stipula un&apos;assicurazione</translation>
    </message>
    <message>
        <source>Sell insurance</source>
        <translation>Disdici un&apos;assicurazione</translation>
    </message>
    <message>
        <source>Acount</source>
        <translation>Conto</translation>
    </message>
    <message>
        <source>You&apos;re not a member here</source>
        <translation>Qui non sei socio</translation>
    </message>
    <message>
        <source>Current investment infos</source>
        <translation>Il tuo investimento in corso</translation>
    </message>
    <message>
        <source>Number of years left:</source>
        <translation>Anni rimanenti:</translation>
    </message>
    <message>
        <source>Value of your money now:</source>
        <translation>Valore attuale dei tuoi soldi:</translation>
    </message>
    <message>
        <source>Current loan infos</source>
        <translation>Il tuo prestito in corso</translation>
    </message>
    <message>
        <source>Money loan:</source>
        <translation>Importo del prestito:</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Anni trascorsi:</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Resta da rimborsare:</translation>
    </message>
    <message>
        <source>Insurance infos</source>
        <translation>Le tue assicurazioni</translation>
    </message>
    <message>
        <source>Fire Insurance</source>
        <translation>Assicurazione incendio</translation>
    </message>
    <message>
        <source>Theft Insurance</source>
        <translation>Assicurazione furto</translation>
    </message>
    <message>
        <source> cost</source>
        <translation>: costo</translation>
    </message>
    <message>
        <source>Acount Info</source>
        <translation>Dati del conto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Leave the bank</source>
        <translation>Esci dalla banca</translation>
    </message>
    <message>
        <source>You&apos;re a member</source>
        <translation>Sei socio</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Dates</name>
    <message>
        <source>Jan</source>
        <translation>gen.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mag.</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu.</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago.</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>the first of a month: day, month&apos;s name, year</comment>
        <translation>1º %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: day, month&apos;s name, year</comment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>tavo::ui::InvestForm</name>
    <message>
        <source>Investment form</source>
        <translation>Modulo d&apos;investimento</translation>
    </message>
    <message>
        <source>Welcome. If you want to make an investment
here, you must know our rules. You can&apos;t
touch your money before the end of your
investment. If you can&apos;t wait and you must
</source>
        <translation>Benvenuto. Se vuoi fare un investimento
qui, devi conoscere le nostre regole: non
puoi toccare i tuoi soldi prima della fine
dell&apos;investimento. Se non puoi aspettare e
</translation>
    </message>
    <message>
        <source>
the value your investment.</source>
        <translation>
del valore del tuo investimento.</translation>
    </message>
    <message>
        <source>investment. If you can&apos;t wait and you must</source>
        <translation>dell&apos;investimento. Se non puoi aspettare e</translation>
    </message>
    <message>
        <source>Fill this form:</source>
        <translation>Compila questo modulo:</translation>
    </message>
    <message>
        <source>Number of years</source>
        <translation>Numero di anni</translation>
    </message>
    <message>
        <source>Money informations</source>
        <translation>Importi</translation>
    </message>
    <message>
        <source>The max you can invest is:</source>
        <translation>Il massimo che puoi investire:</translation>
    </message>
    <message>
        <source>How much you want invest:</source>
        <translation>Quanto vuoi investire:</translation>
    </message>
    <message>
        <source>Total after the investment:</source>
        <translation>Totale alla fine dell&apos;investimento:</translation>
    </message>
    <message>
        <source>Invest the money</source>
        <translation>Investi i soldi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRefundForm</name>
    <message>
        <source>Refund the loan</source>
        <translation>Rimborsa il prestito</translation>
    </message>
    <message>
        <source>How much do you want to refund?</source>
        <translation>Quanto vuoi rimborsare?</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rimborsa</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRequestForm</name>
    <message>
        <source>Make a loan</source>
        <translation>Chiedi un prestito</translation>
    </message>
    <message>
        <source>Your current loan is:</source>
        <translation>Il tuo prestito attuale:</translation>
    </message>
    <message>
        <source>Your loan limit is:</source>
        <translation>Il tuo limite di prestito:</translation>
    </message>
    <message>
        <source>How much money do you need?</source>
        <translation>Di quanti soldi hai bisogno?</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Richiedi</translation>
    </message>
    <message>
        <source>You can pay back the loan every
time you want. Our interest rate is
</source>
        <translation>Puoi rimborsare il prestito quando
vuoi. Il nostro tasso di interesse è del
</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Outcomes</name>
    <message>
        <source>Game saved as %1.</source>
        <translation>Partita salvata come %1.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The clock is paused.</source>
        <translation>Il tempo è in pausa.</translation>
    </message>
    <message>
        <source>Speed: %1.</source>
        <translation>Velocità: %1.</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Vincitore della gara:</translation>
    </message>
    <message>
        <source>%1 is open.</source>
        <translation>%1 è aperto.</translation>
    </message>
    <message>
        <source>%1 is closed.</source>
        <translation>%1 è chiuso.</translation>
    </message>
    <message>
        <source>%1 works for you now.</source>
        <translation>%1 ora lavora per te.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se n&apos;è andato.</translation>
    </message>
    <message>
        <source>Ticket bought: %1.</source>
        <translation>Schedina comprata: %1.</translation>
    </message>
    <message>
        <source>%1: you win %2$.</source>
        <translation>%1: vinci %2$.</translation>
    </message>
    <message>
        <source>%1: you lose %2$.</source>
        <translation>%1: perdi %2$.</translation>
    </message>
    <message>
        <source>Insured against fire and theft.</source>
        <translation>Assicurato contro incendio e furto.</translation>
    </message>
    <message>
        <source>Insured against fire.</source>
        <translation>Assicurato contro l&apos;incendio.</translation>
    </message>
    <message>
        <source>Insured against theft.</source>
        <translation>Assicurato contro il furto.</translation>
    </message>
    <message>
        <source>No insurance held now.</source>
        <translation>Ora non hai più nessuna assicurazione.</translation>
    </message>
    <message>
        <source>Drinks ordered for %1$. Your money: %2$.</source>
        <translation>Bevande ordinate per %1$. I tuoi soldi: %2$.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Informazioni su Tavo</translation>
    </message>
    <message>
        <source>Tavo</source>
        <translation>Tavo</translation>
    </message>
    <message>
        <source>Version 0.4.1 alpha</source>
        <translation>Versione 0.4.1 alpha</translation>
    </message>
    <message>
        <source>Written, drawn and tested by the Tavo team.</source>
        <translation>Scritto, disegnato e testato dal team di Tavo.</translation>
    </message>
    <message>
        <source>E-mail me at:</source>
        <translation>Scrivimi a:</translation>
    </message>
    <message>
        <source>Thanks to every player who sent an idea or a bug.</source>
        <translation>Grazie a tutti i giocatori che hanno inviato un&apos;idea o segnalato un bug.</translation>
    </message>
    <message>
        <source>Visit the official web site:</source>
        <translation>Visita il sito ufficiale:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAdminViewForm</name>
    <message>
        <source>Setting for your employe</source>
        <translation>Impostazioni del tuo dipendente</translation>
    </message>
    <message>
        <source>Set your administrator</source>
        <translation>Compiti del tuo amministratore</translation>
    </message>
    <message>
        <source>I can buy you</source>
        <translation>Posso comprarti</translation>
    </message>
    <message>
        <source>tickets per week for</source>
        <translation>schedine a settimana da</translation>
    </message>
    <message>
        <source>How many tickets/week do you want?</source>
        <translation>Quante schedine a settimana vuoi?</translation>
    </message>
    <message>
        <source>I will buy drinks each time your stock is low.</source>
        <translation>Comprerò bevande ogni volta che le tue scorte saranno basse.</translation>
    </message>
    <message>
        <source>How many drinks you want me to buy?</source>
        <translation>Quante bevande vuoi che compri?</translation>
    </message>
    <message>
        <source>I will refund your loan if you have enough money.</source>
        <translation>Rimborserò il tuo prestito se hai abbastanza soldi.</translation>
    </message>
    <message>
        <source>I&apos;ll refund when you have more than this</source>
        <translation>Rimborserò quando avrai più di questa somma</translation>
    </message>
    <message>
        <source>When you have enough money, i&apos;ll refund this</source>
        <translation>Quando avrai abbastanza soldi, rimborserò questa somma</translation>
    </message>
    <message>
        <source>Refund when I have more than</source>
        <translation>Rimborsa quando ho più di</translation>
    </message>
    <message>
        <source>How much I refund?</source>
        <translation>Quanto devo rimborsare?</translation>
    </message>
    <message>
        <source>&amp;Close &amp;&amp; Save</source>
        <translation>&amp;Salva e chiudi</translation>
    </message>
    <message>
        <source>Save the setting</source>
        <translation>Salva le impostazioni</translation>
    </message>
    <message>
        <source>&amp;Fire</source>
        <translation>&amp;Licenzia</translation>
    </message>
    <message>
        <source>Fire this employe</source>
        <translation>Licenzia questo dipendente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBanksForm</name>
    <message>
        <source>Choose a bank</source>
        <translation>Scegli una banca</translation>
    </message>
    <message>
        <source>Canadian banks</source>
        <translation>Banche canadesi</translation>
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
        <translation>Banche europee</translation>
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
        <translation>Entra in banca</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBarSetupForm</name>
    <message>
        <source>Setup of the new bar</source>
        <translation>Allestimento del nuovo bar</translation>
    </message>
    <message>
        <source>Name of the bar:</source>
        <translation>Nome del bar:</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
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
        <translation>Altre info</translation>
    </message>
    <message>
        <source>Type of bar</source>
        <translation>Tipo di bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Popolare</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>Di lusso</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Rave Class</source>
        <translation>Rave</translation>
    </message>
    <message>
        <source>This bar is located in a small street of the city, your clients are poor.</source>
        <translation>Questo bar si trova in una stradina della città, i tuoi clienti sono poveri.</translation>
    </message>
    <message>
        <source>Entry price?</source>
        <translation>Prezzo d&apos;ingresso?</translation>
    </message>
    <message>
        <source>Money before the sale:</source>
        <translation>Soldi prima dell&apos;acquisto:</translation>
    </message>
    <message>
        <source>Money after the sale:</source>
        <translation>Soldi dopo l&apos;acquisto:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enter the name of your bar</source>
        <translation>Inserisci il nome del tuo bar</translation>
    </message>
    <message>
        <source>Low Class Bar</source>
        <translation>Bar popolare</translation>
    </message>
    <message>
        <source>High Class Bar</source>
        <translation>Bar di lusso</translation>
    </message>
    <message>
        <source>Dark Class Bar</source>
        <translation>Bar dark</translation>
    </message>
    <message>
        <source>Rave Class Bar</source>
        <translation>Bar rave</translation>
    </message>
    <message>
        <source>You must choose at lease one type of music</source>
        <translation>Devi scegliere almeno un genere musicale</translation>
    </message>
    <message>
        <source>This bar is located in a famous street of the city, your clients are rich and affluent.</source>
        <translation>Questo bar si trova in una via famosa della città, i tuoi clienti sono ricchi e benestanti.</translation>
    </message>
    <message>
        <source>This bar is located in a dark part of the city, your clients are strange, mysterious and weird people.</source>
        <translation>Questo bar si trova in una zona buia della città, i tuoi clienti sono persone strane, misteriose e bizzarre.</translation>
    </message>
    <message>
        <source>This bar is located in an old building, there is a lot of empty space to dance.</source>
        <translation>Questo bar si trova in un vecchio edificio, c&apos;è tanto spazio libero per ballare.</translation>
    </message>
    <message>
        <source>The type of music you play goes with the location of the bar and the clients of your bar,
 if you put the wrong type of music with the bar,
 people won&apos;t come.</source>
        <translation>Il genere di musica che metti deve adattarsi alla posizione e ai clienti del tuo bar:
 se metti la musica sbagliata nel bar,
 la gente non verrà.</translation>
    </message>
    <message>
        <source>Music: More</source>
        <translation>Musica: Altro</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDisasFireForm</name>
    <message>
        <source>Fire!</source>
        <translation>Al fuoco!</translation>
    </message>
    <message>
        <source>You wasn&apos;t insured</source>
        <translation>Non avevi l&apos;assicurazione</translation>
    </message>
    <message>
        <source>You was insured </source>
        <translation>Avevi l&apos;assicurazione </translation>
    </message>
    <message>
        <source>You must pay: </source>
        <translation>Devi pagare: </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDrinkForm</name>
    <message>
        <source>Order drinks for your bars</source>
        <translation>Ordina bevande per i tuoi bar</translation>
    </message>
    <message>
        <source>Choose the bar you want to order drinks:</source>
        <translation>Scegli il bar per cui vuoi ordinare bevande:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Clients /  Day:</source>
        <translation>Clienti al giorno:</translation>
    </message>
    <message>
        <source>Choose the drink you want to order:</source>
        <translation>Scegli la bevanda che vuoi ordinare:</translation>
    </message>
    <message>
        <source>Drink Informations</source>
        <translation>Informazioni sulla bevanda</translation>
    </message>
    <message>
        <source>Retail Price:</source>
        <translation>Prezzo al dettaglio:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Peso:</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>oz</translation>
    </message>
    <message>
        <source>Your order</source>
        <translation>Il tuo ordine</translation>
    </message>
    <message>
        <source>I use this drink in this bar</source>
        <translation>Servo questa bevanda in questo bar</translation>
    </message>
    <message>
        <source>Qty left in this bar</source>
        <translation>Quantità rimasta in questo bar</translation>
    </message>
    <message>
        <source>Qty you want to buy</source>
        <translation>Quantità da comprare</translation>
    </message>
    <message>
        <source>Your Price</source>
        <translation>Il tuo prezzo</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Ordina</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Add a drink</source>
        <translation>Aggiungi una &amp;bevanda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>All your bars</source>
        <translation>Tutti i tuoi bar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aperto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiuso</translation>
    </message>
    <message>
        <source>Beer Information</source>
        <translation>Informazioni sulla birra</translation>
    </message>
    <message>
        <source>Shooter Information</source>
        <translation>Informazioni sullo shot</translation>
    </message>
    <message>
        <source>In the next release!</source>
        <translation>Nella prossima versione!</translation>
    </message>
    <message>
        <source>How to buy drinks?
1- Choose the bar you want to order drinks
2- Choose the drink you want to order
3- Enter a price and a qty and order.</source>
        <translation>Come si comprano le bevande?
1- Scegli il bar per cui vuoi ordinare
2- Scegli la bevanda che vuoi ordinare
3- Inserisci un prezzo e una quantità e ordina.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TFinanceForm</name>
    <message>
        <source>Finances</source>
        <translation>Finanze</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <translation>&amp;Soldi</translation>
    </message>
    <message>
        <source>&amp;Profit of each bar</source>
        <translation>&amp;Guadagno di ogni bar</translation>
    </message>
    <message>
        <source>&amp;Visitors of each bar</source>
        <translation>&amp;Visitatori di ogni bar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Money ($)</source>
        <translation>Soldi ($)</translation>
    </message>
    <message>
        <source>No month has ended yet in this game: the charts fill in at each month&apos;s end.</source>
        <translation>In questa partita non è ancora finito nessun mese: i grafici si riempiono alla fine di ogni mese.</translation>
    </message>
    <message>
        <source>Month by month from %1 to %2: the money at each month&apos;s end, and each bar&apos;s profit and visitors.</source>
        <translation>Mese per mese, da %1 a %2: i soldi alla fine di ogni mese, e il guadagno e i visitatori di ogni bar.</translation>
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
        <translation>Scorte del bar</translation>
    </message>
    <message>
        <source>Stay on this bar</source>
        <translation>Resta su questo bar</translation>
    </message>
    <message>
        <source>See the next bar now</source>
        <translation>Mostra subito il bar successivo</translation>
    </message>
    <message>
        <source>Misc info.</source>
        <translation>Varie</translation>
    </message>
    <message>
        <source>Lottery tickets buy:</source>
        <translation>Schedine del lotto comprate:</translation>
    </message>
    <message>
        <source>Number of lottery tickets bought by your admin.</source>
        <translation>Numero di schedine del lotto comprate dal tuo amministratore.</translation>
    </message>
    <message>
        <source>Clients in your bar:</source>
        <translation>Clienti nel tuo bar:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Soldi</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Your messages box:</source>
        <translation>I tuoi messaggi:</translation>
    </message>
    <message>
        <source>&amp;Visit the website</source>
        <translation>&amp;Visita il sito web</translation>
    </message>
    <message>
        <source>Debug Menu</source>
        <translation>Menu di debug</translation>
    </message>
    <message>
        <source>Set Clock speed</source>
        <translation>Imposta la velocità</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuoco</translation>
    </message>
    <message>
        <source>Set one of your bar in fire</source>
        <translation>Dai fuoco a uno dei tuoi bar</translation>
    </message>
    <message>
        <source>Add money</source>
        <translation>Aggiungi soldi</translation>
    </message>
    <message>
        <source>Clock speed</source>
        <translation>Velocità dell&apos;orologio</translation>
    </message>
    <message>
        <source>Money to add</source>
        <translation>Soldi da aggiungere</translation>
    </message>
    <message>
        <source>Week day:</source>
        <translation>Giorno della settimana:</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lento</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <translation>L&amp;ento</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Veloce</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>V&amp;iew your info</source>
        <translation>Vedi le tue &amp;informazioni</translation>
    </message>
    <message>
        <source>&amp;Buy drinks</source>
        <translation>Compra &amp;bevande</translation>
    </message>
    <message>
        <source>B&amp;uy a bar</source>
        <translation>Compra un b&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Promote your bar</source>
        <translation>&amp;Promuovi il tuo bar</translation>
    </message>
    <message>
        <source>&amp;Finances</source>
        <translation>&amp;Finanze</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>Vai in ba&amp;nca</translation>
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
        <translation>&amp;Gestisci il personale</translation>
    </message>
    <message>
        <source>&amp;Hire staff</source>
        <translation>&amp;Assumi personale</translation>
    </message>
    <message>
        <source>Vi&amp;ew your staff</source>
        <translation>&amp;Vedi il tuo personale</translation>
    </message>
    <message>
        <source>&amp;Lottery Center</source>
        <translation>Centro &amp;Lotto</translation>
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
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Internet Center</source>
        <translation>&amp;Centro Internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Tavo</translation>
    </message>
    <message>
        <source>C&amp;lear this message</source>
        <translation>Cance&amp;lla questo messaggio</translation>
    </message>
    <message>
        <source>&amp;Clear all messages</source>
        <translation>&amp;Cancella tutti i messaggi</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>Open a save game</source>
        <translation>Apri una partita salvata</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Quit the game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <source>Set the speed of the game</source>
        <translation>Imposta la velocità del gioco</translation>
    </message>
    <message>
        <source>View your informations</source>
        <translation>Vedi le tue informazioni</translation>
    </message>
    <message>
        <source>Buy drinks</source>
        <translation>Compra bevande</translation>
    </message>
    <message>
        <source>Buy a bar</source>
        <translation>Compra un bar</translation>
    </message>
    <message>
        <source>Promote your bar</source>
        <translation>Promuovi il tuo bar</translation>
    </message>
    <message>
        <source>Finances month by month</source>
        <translation>Finanze mese per mese</translation>
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
        <translation>Vai in banca</translation>
    </message>
    <message>
        <source>&amp;Hire Staff</source>
        <translation>&amp;Assumi personale</translation>
    </message>
    <message>
        <source>&amp;View Staff</source>
        <translation>&amp;Vedi il personale</translation>
    </message>
    <message>
        <source>Manage your staff</source>
        <translation>Gestisci il tuo personale</translation>
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
        <translation>Centro Lotto</translation>
    </message>
    <message>
        <source>Visit the Internet Center</source>
        <translation>Visita il Centro Internet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni su Tavo</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Errore #3
Errore!</translation>
    </message>
    <message>
        <source>Error #3
Error opening file!</source>
        <translation>Errore #3
Errore nell&apos;apertura del file!</translation>
    </message>
    <message>
        <source>You really want to quit ?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Do you want to save the game before leaving?</source>
        <translation>Vuoi salvare la partita prima di uscire?</translation>
    </message>
    <message>
        <source>Save your game?</source>
        <translation>Salvare la partita?</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>Vuoi iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>Next bar</source>
        <translation>Bar successivo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TGermInsuForm</name>
    <message>
        <source>Buy an insurance</source>
        <translation>Stipula un&apos;assicurazione</translation>
    </message>
    <message>
        <source>Read our contract before sign up</source>
        <translation>Leggi il nostro contratto prima di firmare</translation>
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
        <translation>L&apos;assicurazione incendio copre
tutto il tuo bar. Se un incendio
distrugge il tuo bar, riceverai il
suo valore più 15.000&#xa0;$. Se il bar va
a fuoco e le indagini della polizia
rivelano che hai legami con qualche
banda mafiosa, il contratto è nullo
e perdi tutto. L&apos;assicurazione
costa 1000&#xa0;$ al mese.</translation>
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
        <translation>L&apos;assicurazione furto copre tutto
il tuo bar. Se uno dei tuoi bar
subisce un furto, riceverai il 90%
del valore rubato. Se le indagini
della polizia rivelano che hai
legami con qualche banda mafiosa,
il contratto è nullo e perdi tutto.
L&apos;assicurazione costa 800&#xa0;$ al
mese.</translation>
    </message>
    <message>
        <source>Fire insurace</source>
        <translation>Assicurazione incendio</translation>
    </message>
    <message>
        <source>Theft insurace</source>
        <translation>Assicurazione furto</translation>
    </message>
    <message>
        <source>Check the box if you want:</source>
        <translation>Spunta la casella se la vuoi:</translation>
    </message>
    <message>
        <source> contract</source>
        <translation>: contratto</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::THireStaffForm</name>
    <message>
        <source>Hire Staff for you bars</source>
        <translation>Assumi personale per i tuoi bar</translation>
    </message>
    <message>
        <source>Hire staff for your bars</source>
        <translation>Assumi personale per i tuoi bar</translation>
    </message>
    <message>
        <source>lottery tickets and take care of your investments and loans.</source>
        <translation>schedine del lotto e occuparsi dei tuoi investimenti e prestiti.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Stipendio</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Amministratori</translation>
    </message>
    <message>
        <source>&amp;Hire</source>
        <translation>&amp;Assumi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>An administrator can do many things for you! He can buy beers,</source>
        <translation>Un amministratore può fare tante cose per te! Può comprare birre,</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInfoForm</name>
    <message>
        <source>Informations</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>The Owner&apos;s Name</source>
        <translation>Nome del proprietario</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Uomo d&apos;affari</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Tipo figo</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>La donna</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Soldi</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Resta da rimborsare:</translation>
    </message>
    <message>
        <source>Payments/month:</source>
        <translation>Pagamenti al mese:</translation>
    </message>
    <message>
        <source>Taxes/month:</source>
        <translation>Tasse al mese:</translation>
    </message>
    <message>
        <source>The Bar&apos;s Name</source>
        <translation>Nome del bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Popolare</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>Di lusso</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Dark</translation>
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
        <translation>Clienti max:</translation>
    </message>
    <message>
        <source>Peak clients:</source>
        <translation>Record di clienti:</translation>
    </message>
    <message>
        <source>Status of you bar</source>
        <translation>Stato del tuo bar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiuso</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ca&amp;mbia</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Imposta</translation>
    </message>
    <message>
        <source>Entry Price:</source>
        <translation>Prezzo d&apos;ingresso:</translation>
    </message>
    <message>
        <source>Profit this month:</source>
        <translation>Guadagno questo mese:</translation>
    </message>
    <message>
        <source>Visitors this month:</source>
        <translation>Visitatori questo mese:</translation>
    </message>
    <message>
        <source>Profit last month:</source>
        <translation>Guadagno il mese scorso:</translation>
    </message>
    <message>
        <source>Visitors last month:</source>
        <translation>Visitatori il mese scorso:</translation>
    </message>
    <message>
        <source>Lottery profit:</source>
        <translation>Guadagno al lotto:</translation>
    </message>
    <message>
        <source>Beers Stock</source>
        <translation>Scorte di birra</translation>
    </message>
    <message>
        <source>Your bars:</source>
        <translation>I tuoi bar:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aperto</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInternetCenterForm</name>
    <message>
        <source>Internet Center</source>
        <translation>Centro Internet</translation>
    </message>
    <message>
        <source>The latest version of Tavo</source>
        <translation>L&apos;ultima versione di Tavo</translation>
    </message>
    <message>
        <source>The news of Tavo</source>
        <translation>Le novità di Tavo</translation>
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
        <translation>Ogni settimana puoi vincere alla grande con il Lotto 6/49</translation>
    </message>
    <message>
        <source>Ticket&apos;s price: 250$</source>
        <translation>Prezzo della schedina: 250&#xa0;$</translation>
    </message>
    <message>
        <source>Current jackpot:</source>
        <translation>Jackpot attuale:</translation>
    </message>
    <message>
        <source>Your ticket numbers </source>
        <translation>I numeri della tua schedina </translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Numero %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Buy this ticket</source>
        <translation>Compra questa schedina</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMainForm</name>
    <message>
        <source>Start a new game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>Load a saved game</source>
        <translation>Carica una partita salvata</translation>
    </message>
    <message>
        <source>Error #02
Unable to complet LoadTheFile.</source>
        <translation>Errore #02
Impossibile completare LoadTheFile.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Ops...</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Errore #3
Errore!</translation>
    </message>
    <message>
        <source>Error #02
You must re-install the game.
The bars list file is not found!</source>
        <translation>Errore #02
Devi reinstallare il gioco.
Il file della lista dei bar non è stato trovato!</translation>
    </message>
    <message>
        <source>Error #03
You must re-install the game.
The drinks list file is not found</source>
        <translation>Errore #03
Devi reinstallare il gioco.
Il file della lista delle bevande non è stato trovato</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMapForm</name>
    <message>
        <source>Choose a bar to buy</source>
        <translation>Scegli un bar da comprare</translation>
    </message>
    <message>
        <source>Town map</source>
        <translation>Mappa della città</translation>
    </message>
    <message>
        <source>Each pin is a bar of the list beside it</source>
        <translation>Ogni puntina è un bar della lista accanto</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prezzo:</translation>
    </message>
    <message>
        <source>Average clients/day:</source>
        <translation>Clienti al giorno in media:</translation>
    </message>
    <message>
        <source>Maximum clients in bar:</source>
        <translation>Massimo di clienti nel bar:</translation>
    </message>
    <message>
        <source>Cost per month:</source>
        <translation>Costo al mese:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Proprietario:</translation>
    </message>
    <message>
        <source>&amp;Buy the bar</source>
        <translation>&amp;Compra il bar</translation>
    </message>
    <message>
        <source>&amp;Sell the bar</source>
        <translation>&amp;Vendi il bar</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>Vai in &amp;banca</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>This bar is not owned</source>
        <translation>Questo bar non ha proprietario</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TNewCarForm</name>
    <message>
        <source>Create a new character</source>
        <translation>Crea un nuovo personaggio</translation>
    </message>
    <message>
        <source>Owner&apos;s name:</source>
        <translation>Nome del proprietario:</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>Chi sei?</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Uomo d&apos;affari</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Tipo figo</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>La donna</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Your profile</source>
        <translation>Il tuo profilo</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altre info</translation>
    </message>
    <message>
        <source>If you need more info</source>
        <translation>Se vuoi saperne di più</translation>
    </message>
    <message>
        <source>Credibility:</source>
        <translation>Credibilità:</translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation>Conoscenza del settore:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Soldi:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enter the owner&apos;s name</source>
        <translation>Inserisci il nome del proprietario</translation>
    </message>
    <message>
        <source>The business man</source>
        <translation>L&apos;uomo d&apos;affari</translation>
    </message>
    <message>
        <source>The cool dude</source>
        <translation>Il tipo figo</translation>
    </message>
    <message>
        <source>The woman</source>
        <translation>La donna</translation>
    </message>
    <message>
        <source>The business man is a powerful person and he has many contacts in the financial industry.
 He doesn&apos;t know very much about bars.</source>
        <translation>L&apos;uomo d&apos;affari è una persona potente e ha molti contatti nel mondo della finanza.
 Non sa granché di bar.</translation>
    </message>
    <message>
        <source>The cool dude knows everything to know about bars,
but he doesn&apos;t have much credibility with the bank managers.</source>
        <translation>Il tipo figo sa tutto quello che c&apos;è da sapere sui bar,
ma non ha molta credibilità presso i direttori di banca.</translation>
    </message>
    <message>
        <source>The higher your knowledge, the higher the number of clients that will visit your bar(s).</source>
        <translation>Più è alta la tua conoscenza del settore, più clienti visiteranno il tuo bar o i tuoi bar.</translation>
    </message>
    <message>
        <source>The woman isn&apos;t the best in the bar industry,
 but she can do great things.</source>
        <translation>La donna non è la migliore nel settore dei bar,
 ma può fare grandi cose.</translation>
    </message>
    <message>
        <source>The higher your credibility becomes, the more you can borrow from your different banks.</source>
        <translation>Più cresce la tua credibilità, più soldi puoi farti prestare dalle tue banche.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPassForm</name>
    <message>
        <source>Password Check</source>
        <translation>Verifica della password</translation>
    </message>
    <message>
        <source>Debug Center</source>
        <translation>Centro di debug</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>Acces Status</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Consentito</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Negato</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPopupForm</name>
    <message>
        <source>What&apos;s new?</source>
        <translation>Cosa c&apos;è di nuovo?</translation>
    </message>
    <message>
        <source>What&apos;s new on this version:</source>
        <translation>Novità di questa versione:</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>secondi rimanenti</translation>
    </message>
    <message>
        <source>Show this at startup</source>
        <translation>Mostra all&apos;avvio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk</source>
        <translation>Si è verificato un errore durante la scrittura sul disco</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Errore del disco</translation>
    </message>
    <message>
        <source>This window can close in 1 second.</source>
        <translation>Questa finestra potrà chiudersi tra 1 secondo.</translation>
    </message>
    <message>
        <source>This window can close in %1 seconds.</source>
        <translation>Questa finestra potrà chiudersi tra %1 secondi.</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>manca 1 secondo</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>mancano %1 secondi</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPromoteForm</name>
    <message>
        <source>Promote your bar</source>
        <translation>Promuovi il tuo bar</translation>
    </message>
    <message>
        <source>You&apos;re looking for more clients in your bar?</source>
        <translation>Cerchi più clienti per il tuo bar?</translation>
    </message>
    <message>
        <source>Choose the bar to be promoted</source>
        <translation>Scegli il bar da promuovere</translation>
    </message>
    <message>
        <source>Where do you want to be promoted:</source>
        <translation>Dove vuoi fare pubblicità:</translation>
    </message>
    <message>
        <source>Newspaper pub           [  5 000$]</source>
        <translation>Pubblicità sul giornale [ 5.000&#xa0;$]</translation>
    </message>
    <message>
        <source>Radio pub                    [15 000$]</source>
        <translation>Pubblicità alla radio [15.000&#xa0;$]</translation>
    </message>
    <message>
        <source>Tv pub                         [25 000$]</source>
        <translation>Pubblicità in TV [25.000&#xa0;$]</translation>
    </message>
    <message>
        <source>&amp;Promote</source>
        <translation>&amp;Promuovi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TRacingMonForm</name>
    <message>
        <source>Racing Money - The fastest way to win money</source>
        <translation>Racing Money - Il modo più veloce per vincere soldi</translation>
    </message>
    <message>
        <source>Choose the car you bet on</source>
        <translation>Scegli l&apos;auto su cui punti</translation>
    </message>
    <message>
        <source>Car 1 (Blue)</source>
        <translation>Auto 1 (blu)</translation>
    </message>
    <message>
        <source>Car 2 (Purple)</source>
        <translation>Auto 2 (viola)</translation>
    </message>
    <message>
        <source>Car 3 (Yellow)</source>
        <translation>Auto 3 (gialla)</translation>
    </message>
    <message>
        <source>Car 4 (Green)</source>
        <translation>Auto 4 (verde)</translation>
    </message>
    <message>
        <source>How much do you bet?</source>
        <translation>Quanto punti?</translation>
    </message>
    <message>
        <source>Bet some money. If you bet 100$, you&apos;ll win 200$</source>
        <translation>Punta dei soldi. Se punti 100&#xa0;$, ne vinci 200&#xa0;$</translation>
    </message>
    <message>
        <source>You&apos;ll win X2 your bet!</source>
        <translation>Vincerai il doppio della tua puntata!</translation>
    </message>
    <message>
        <source>Live coverage of this race</source>
        <translation>Questa gara in diretta</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Vincitore della gara:</translation>
    </message>
    <message>
        <source>The current race leader:</source>
        <translation>In testa alla gara:</translation>
    </message>
    <message>
        <source>&amp;Start The Race</source>
        <translation>&amp;Avvia la gara</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 % of the race run</source>
        <translation>%1% della gara percorsa</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TSetupForm</name>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>View what&apos;s new at startup</source>
        <translation>Mostra le novità all&apos;avvio</translation>
    </message>
    <message>
        <source>Pause the game while you buy beers</source>
        <translation>Metti in pausa il gioco mentre compri birre</translation>
    </message>
    <message>
        <source>Close the form after you buy beers</source>
        <translation>Chiudi la finestra dopo aver comprato birre</translation>
    </message>
    <message>
        <source>Save the game by itself at each month change</source>
        <translation>Salva automaticamente la partita a ogni cambio di mese</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Your bars list file:</source>
        <translation>Il tuo file della lista dei bar:</translation>
    </message>
    <message>
        <source>Your drinks list file:</source>
        <translation>Il tuo file della lista delle bevande:</translation>
    </message>
    <message>
        <source>Path of your bars list file</source>
        <translation>Percorso del file della lista dei bar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select the bars list file</source>
        <translation>Seleziona il file della lista dei bar</translation>
    </message>
    <message>
        <source>Bars list file (*.bar)|*.bar</source>
        <translation>Lista dei bar (*.bar)|*.bar</translation>
    </message>
    <message>
        <source>Select the drinks list file</source>
        <translation>Seleziona il file della lista delle bevande</translation>
    </message>
    <message>
        <source>Drinks List File (*.drk)|*.drk</source>
        <translation>Lista delle bevande (*.drk)|*.drk</translation>
    </message>
    <message>
        <source>Keeps each game&apos;s three newest in the saves folder, autosave-OWNER-TAG-1.sav to -3.sav after its owner, TAG telling the game apart</source>
        <translation>Conserva i tre salvataggi automatici più recenti di ogni partita nella cartella saves: da autosave-NOME-SEGNO-1.sav a -3.sav, dove NOME è il nome del proprietario e SEGNO distingue la partita</translation>
    </message>
    <message>
        <source>The game speaks the language chosen here from its next start</source>
        <translation>Il gioco parlerà la lingua scelta qui dal prossimo avvio</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>The new language takes effect when Tavo next starts.</source>
        <translation>La nuova lingua sarà attiva dal prossimo avvio di Tavo.</translation>
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
        <translation>Rullo %1</translation>
    </message>
    <message>
        <source>&amp;Spin</source>
        <translation>&amp;Gira</translation>
    </message>
    <message>
        <source>Your bet:</source>
        <translation>La tua puntata:</translation>
    </message>
    <message>
        <source>1 - 2 - 3 = Your bet X 7</source>
        <translation>1 - 2 - 3 = la tua puntata x 7</translation>
    </message>
    <message>
        <source>2 - 2 - 2 = Your bet X 5</source>
        <translation>2 - 2 - 2 = la tua puntata x 5</translation>
    </message>
    <message>
        <source>3 - 3 - 3 = Your bet X 3</source>
        <translation>3 - 3 - 3 = la tua puntata x 3</translation>
    </message>
    <message>
        <source>1 - 1 - 1 = Your bet X 2</source>
        <translation>1 - 1 - 1 = la tua puntata x 2</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>You win:</source>
        <translation>Vinto:</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>Perso:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TViewStaffForm</name>
    <message>
        <source>View Staff Informations</source>
        <translation>Informazioni sul personale</translation>
    </message>
    <message>
        <source>View informations</source>
        <translation>Vedi le informazioni</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Amministratori</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
