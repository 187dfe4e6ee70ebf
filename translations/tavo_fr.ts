<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Pictures</name>
    <message>
        <source>&amp;New game</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>Infos</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Version</translation>
    </message>
    <message>
        <source>News</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Actualités</translation>
    </message>
    <message>
        <source>Run the bars of the town, one night at a time</source>
        <comment>the main menu&apos;s picture, under the game&apos;s name</comment>
        <translation>Tenez les bars de la ville, une nuit après l&apos;autre</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>What&apos;s new in town</source>
        <comment>the picture of the window of what is new</comment>
        <translation>Quoi de neuf en ville</translation>
    </message>
    <message>
        <source>Your money grows with us</source>
        <comment>Invest Bank&apos;s slogan, under its name</comment>
        <translation>Votre argent grandit avec nous</translation>
    </message>
    <message>
        <source>The Power of your economy</source>
        <comment>German Bank&apos;s slogan, under its name</comment>
        <translation>La force de votre économie</translation>
    </message>
    <message>
        <source>The easy way to get money</source>
        <comment>China Cash&apos;s slogan, under its name</comment>
        <translation>L&apos;argent facile</translation>
    </message>
    <message>
        <source>Visit the Tavo web site</source>
        <comment>the Internet Center&apos;s picture link, beside a globe</comment>
        <translation>Visitez le site web de Tavo</translation>
    </message>
    <message>
        <source>Bars, banks and a little luck</source>
        <comment>the about window&apos;s picture, under the game&apos;s name</comment>
        <translation>Des bars, des banques et un peu de chance</translation>
    </message>
    <message>
        <source>Tavo town</source>
        <comment>the town map&apos;s title, in its top left corner</comment>
        <translation>Ville de Tavo</translation>
    </message>
</context>
<context>
    <name>tavo</name>
    <message>
        <source>The game could not save itself in %1.</source>
        <translation>La partie n&apos;a pas pu être sauvegardée automatiquement dans %1.</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk
The setup file is unwritable.</source>
        <translation>Une erreur s&apos;est produite pendant l&apos;écriture sur le disque
Impossible d&apos;écrire le fichier de configuration.</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Erreur de disque</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>%1 is not a valid floating point value</source>
        <translation>%1 n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to buy this insurances.</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour prendre cette assurance.</translation>
    </message>
    <message>
        <source>Oups!</source>
        <translation>Oups&#xa0;!</translation>
    </message>
    <message>
        <source>Do you want to leave the fire insurance?</source>
        <translation>Voulez-vous résilier l&apos;assurance incendie&#xa0;?</translation>
    </message>
    <message>
        <source>Leave an insurance</source>
        <translation>Résilier une assurance</translation>
    </message>
    <message>
        <source>Do you want to leave the stole insurance?</source>
        <translation>Voulez-vous résilier l&apos;assurance vol&#xa0;?</translation>
    </message>
    <message>
        <source>5 years investment at 10% per year</source>
        <translation>Placement sur 5 ans à 10&#xa0;% par an</translation>
    </message>
    <message>
        <source>10 years investment at 25% per year</source>
        <translation>Placement sur 10 ans à 25&#xa0;% par an</translation>
    </message>
    <message>
        <source>have your money back, the charge is 30% of</source>
        <translation>attendre, un retrait anticipé coûte 30&#xa0;% de</translation>
    </message>
    <message>
        <source>15 years investment at 30% per year</source>
        <translation>Placement sur 15 ans à 30&#xa0;% par an</translation>
    </message>
    <message>
        <source>25 years investment at 35% per year</source>
        <translation>Placement sur 25 ans à 35&#xa0;% par an</translation>
    </message>
    <message>
        <source>have your money back, the charge is 60% of</source>
        <translation>attendre, un retrait anticipé coûte 60&#xa0;% de</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to invest</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour faire un placement</translation>
    </message>
    <message>
        <source>You already have an investment here.</source>
        <translation>Vous avez déjà un placement ici.</translation>
    </message>
    <message>
        <source>You don&apos;t have engouth money</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent</translation>
    </message>
    <message>
        <source>You don&apos;t have finish all your investment years.
Do you want your money back?</source>
        <translation>Votre placement n&apos;est pas encore arrivé à son terme.
Voulez-vous quand même récupérer votre argent&#xa0;?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Do you want your money back now?</source>
        <translation>Voulez-vous récupérer votre argent maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Get the money back</source>
        <translation>Récupérer l&apos;argent</translation>
    </message>
    <message>
        <source>One of your investments is finish. Your admin have take care of this.</source>
        <translation>Un de vos placements est arrivé à échéance. Votre administrateur s&apos;en est occupé.</translation>
    </message>
    <message>
        <source>25% per year.</source>
        <translation>25&#xa0;% par an.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 15 000$!
Or you reach your loan limit.</source>
        <translation>Désolé&#xa0;! Vous ne pouvez pas emprunter plus de 15&#xa0;000&#xa0;$&#xa0;!
Ou alors vous avez atteint votre plafond de prêt.</translation>
    </message>
    <message>
        <source>30% per year.</source>
        <translation>30&#xa0;% par an.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 25 000$!
Or you reach your loan limit.</source>
        <translation>Désolé&#xa0;! Vous ne pouvez pas emprunter plus de 25&#xa0;000&#xa0;$&#xa0;!
Ou alors vous avez atteint votre plafond de prêt.</translation>
    </message>
    <message>
        <source>Error #52... unexpected owner...</source>
        <translation>Erreur #52... propriétaire inattendu...</translation>
    </message>
    <message>
        <source>Sorry! But we don&apos;t borrow money to gamblers!</source>
        <translation>Désolé&#xa0;! Mais nous ne prêtons pas d&apos;argent aux flambeurs&#xa0;!</translation>
    </message>
    <message>
        <source>Loan denied</source>
        <translation>Prêt refusé</translation>
    </message>
    <message>
        <source>You must ask for at least 1$.</source>
        <translation>Vous devez demander au moins 1&#xa0;$.</translation>
    </message>
    <message>
        <source>Your loan have been accepted.</source>
        <translation>Votre prêt a été accepté.</translation>
    </message>
    <message>
        <source>Loan accepted</source>
        <translation>Prêt accepté</translation>
    </message>
    <message>
        <source>You must refund at least 1$.</source>
        <translation>Vous devez rembourser au moins 1&#xa0;$.</translation>
    </message>
    <message>
        <source>Oups!!</source>
        <translation>Oups&#xa0;!!</translation>
    </message>
    <message>
        <source>You refund too much...</source>
        <translation>Vous remboursez trop...</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to refund.</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour rembourser.</translation>
    </message>
    <message>
        <source>Bailiff: Invest Bank wants is money back! So I took your money.</source>
        <translation>Huissier&#xa0;: l&apos;Invest Bank veut récupérer son argent&#xa0;! Alors j&apos;ai pris le vôtre.</translation>
    </message>
    <message>
        <source>Bailiff: China Cash wants is money back! So I took your money.</source>
        <translation>Huissier&#xa0;: la China Cash veut récupérer son argent&#xa0;! Alors j&apos;ai pris le vôtre.</translation>
    </message>
    <message>
        <source>One of your admin repay a part of your loan.</source>
        <translation>Un de vos administrateurs a remboursé une partie de votre prêt.</translation>
    </message>
    <message>
        <source>One of your admin finish to repay one of your loan.</source>
        <translation>Un de vos administrateurs a fini de rembourser un de vos prêts.</translation>
    </message>
    <message>
        <source>Under Construction</source>
        <translation>En construction</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 1000$</source>
        <translation>Voulez-vous devenir membre&#xa0;?
Ce n&apos;est que 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 3500$</source>
        <translation>Voulez-vous devenir membre&#xa0;?
Ce n&apos;est que 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s 8000$</source>
        <translation>Voulez-vous devenir membre&#xa0;?
C&apos;est 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Devenir membre</translation>
    </message>
    <message>
        <source>The price you set to enter your bar is too high!</source>
        <translation>Le prix d&apos;entrée de votre bar est trop élevé&#xa0;!</translation>
    </message>
    <message>
        <source>You already run %1 bars, the most an owner can.
You can&apos;t buy another one.</source>
        <translation>Vous tenez déjà %1 bars, le maximum pour un propriétaire.
Vous ne pouvez pas en acheter un autre.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Oups...</translation>
    </message>
    <message>
        <source>Under reconstruction ;-)</source>
        <translation>En reconstruction&#xa0;;-)</translation>
    </message>
    <message>
        <source>Choose the bar to buy on the map first.</source>
        <translation>Choisissez d&apos;abord sur la carte le bar à acheter.</translation>
    </message>
    <message>
        <source>You must choose a name for your bar.</source>
        <translation>Vous devez choisir un nom pour votre bar.</translation>
    </message>
    <message>
        <source>You must choose at least one type of music.</source>
        <translation>Vous devez choisir au moins un style de musique.</translation>
    </message>
    <message>
        <source>You must choose a type of bar.</source>
        <translation>Vous devez choisir un type de bar.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy this bar.</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour acheter ce bar.</translation>
    </message>
    <message>
        <source>The bar you just buy isn&apos;t open yet. Open it to make business.</source>
        <translation>Le bar que vous venez d&apos;acheter n&apos;est pas encore ouvert. Ouvrez-le pour faire des affaires.</translation>
    </message>
    <message>
        <source>You must use the US version of the drinks list.
We&apos;ve updated your config file.
Save your game and restart Tavo.
You can also choose another drinks list in the setup menu.</source>
        <translation>Vous devez utiliser la version US de la liste des boissons.
Nous avons mis à jour votre fichier de configuration.
Sauvegardez votre partie et relancez Tavo.
Vous pouvez aussi choisir une autre liste des boissons dans les réglages.</translation>
    </message>
    <message>
        <source>You must fill all the forms.</source>
        <translation>Vous devez remplir tous les champs.</translation>
    </message>
    <message>
        <source>The price of this drink is too high!
You must lower it!</source>
        <translation>Le prix de cette boisson est trop élevé&#xa0;!
Vous devez le baisser&#xa0;!</translation>
    </message>
    <message>
        <source>The price of this drink is too high.
Do you want to set a lower price?</source>
        <translation>Le prix de cette boisson est trop élevé.
Voulez-vous fixer un prix plus bas&#xa0;?</translation>
    </message>
    <message>
        <source>Set a lower price?</source>
        <translation>Baisser le prix&#xa0;?</translation>
    </message>
    <message>
        <source>You must enter a valid price and a valid qty to order.</source>
        <translation>Vous devez entrer un prix et une quantité valides pour commander.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to order!</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour commander&#xa0;!</translation>
    </message>
    <message>
        <source>A bar sells 15 different drinks at most:
this one has no room left for another drink.</source>
        <translation>Un bar vend au plus 15 boissons différentes&#xa0;:
celui-ci n&apos;a plus de place pour une autre boisson.</translation>
    </message>
    <message>
        <source>You have no bar to order these drinks for.</source>
        <translation>Vous n&apos;avez aucun bar pour lequel commander ces boissons.</translation>
    </message>
    <message>
        <source>Your order have been made.</source>
        <translation>Votre commande a été passée.</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Très bonne</translation>
    </message>
    <message>
        <source>You must enter a owner name.</source>
        <translation>Vous devez entrer un nom de propriétaire.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on newspaper.</source>
        <translation>La pub de votre bar paraît maintenant dans le journal.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on radio station.</source>
        <translation>La pub de votre bar passe maintenant à la radio.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on tv station.</source>
        <translation>La pub de votre bar passe maintenant à la télé.</translation>
    </message>
    <message>
        <source>Your bar can&apos;t handle more clients
or you don&apos;t have enough money.</source>
        <translation>Votre bar ne peut pas accueillir plus de clients
ou vous n&apos;avez pas assez d&apos;argent.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Happy new year!</source>
        <translation>Bonne année&#xa0;!</translation>
    </message>
    <message>
        <source>Damn... let&apos;s hope the game can handle Y2K ;-)</source>
        <translation>Zut... espérons que le jeu survivra au passage à l&apos;an 2000&#xa0;;-)</translation>
    </message>
    <message>
        <source>The path of your bars list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>Le chemin de votre fichier de liste des bars est trop long (%1 octets, %2 au plus)&#xa0;:
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your bars list:
%1
Choose a bars list file of the game.</source>
        <translation>Ce fichier ne peut pas servir de liste des bars&#xa0;:
%1
Choisissez un fichier de liste des bars du jeu.</translation>
    </message>
    <message>
        <source>The path of your drinks list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>Le chemin de votre fichier de liste des boissons est trop long (%1 octets, %2 au plus)&#xa0;:
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your drinks list:
%1
Choose a drinks list file of the game.</source>
        <translation>Ce fichier ne peut pas servir de liste des boissons&#xa0;:
%1
Choisissez un fichier de liste des boissons du jeu.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>You must choose a bars list file.</source>
        <translation>Vous devez choisir un fichier de liste des bars.</translation>
    </message>
    <message>
        <source>You must choose a drinks list file.</source>
        <translation>Vous devez choisir un fichier de liste des boissons.</translation>
    </message>
    <message>
        <source>Your save game wasn&apos;t saved...</source>
        <translation>Vos réglages n&apos;ont pas été sauvegardés...</translation>
    </message>
    <message>
        <source>Unable to connect to the Tavo web site.
Check that you are on the internet and try again.</source>
        <translation>Impossible de se connecter au site web de Tavo.
Vérifiez que vous avez accès à Internet et réessayez.</translation>
    </message>
    <message>
        <source>The Tavo web site took too long to answer.
Try again later.</source>
        <translation>Le site web de Tavo a mis trop de temps à répondre.
Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The Tavo web site could not send this page (error %1).
Try again later.</source>
        <translation>Le site web de Tavo n&apos;a pas pu envoyer cette page (erreur %1).
Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The page sent by the Tavo web site is too long to be shown.</source>
        <translation>La page envoyée par le site web de Tavo est trop longue pour être affichée.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game to another site.
The page was not fetched.</source>
        <translation>Le site web de Tavo a redirigé le jeu vers un autre site.
La page n&apos;a pas été récupérée.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game from address to address too many times.
The page was not fetched.</source>
        <translation>Le site web de Tavo a redirigé le jeu d&apos;adresse en adresse trop de fois.
La page n&apos;a pas été récupérée.</translation>
    </message>
    <message>
        <source>The page could not be fetched.</source>
        <translation>La page n&apos;a pas pu être récupérée.</translation>
    </message>
    <message>
        <source>You must be on the internet to enter here.
Are you on internet?</source>
        <translation>Vous devez avoir accès à Internet pour entrer ici.
Êtes-vous en ligne&#xa0;?</translation>
    </message>
    <message>
        <source>Are you connected?</source>
        <translation>Êtes-vous en ligne&#xa0;?</translation>
    </message>
    <message>
        <source>Internet Center</source>
        <translation>Centre Internet</translation>
    </message>
    <message>
        <source>Your version is
----
Version: 0.4.1
Build: 36
Date: August 7th, 1999
</source>
        <translation>Votre version&#xa0;:
----
Version&#xa0;: 0.4.1
Build&#xa0;: 36
Date&#xa0;: 7 août 1999
</translation>
    </message>
    <message>
        <source>You must enter a number on each box!</source>
        <translation>Vous devez entrer un nombre dans chaque case&#xa0;!</translation>
    </message>
    <message>
        <source>Check if you&apos;ve enter a number between 6 and 49.
You can&apos;t use the same number too.</source>
        <translation>Vérifiez que vous avez entré des nombres entre 6 et 49.
Vous ne pouvez pas non plus utiliser deux fois le même nombre.</translation>
    </message>
    <message>
        <source>You&apos;ve got 3 numbers on 6!</source>
        <translation>Vous avez 3 bons numéros sur 6&#xa0;!</translation>
    </message>
    <message>
        <source>You&apos;ve got 4 numbers on 6!</source>
        <translation>Vous avez 4 bons numéros sur 6&#xa0;!</translation>
    </message>
    <message>
        <source>You&apos;ve got 5 numbers on 6!</source>
        <translation>Vous avez 5 bons numéros sur 6&#xa0;!</translation>
    </message>
    <message>
        <source>Oh my god you win the Lotto 6/49!!!</source>
        <translation>Oh mon Dieu, vous avez gagné au Lotto 6/49&#xa0;!!!</translation>
    </message>
    <message>
        <source>Oh my god... the car # %1 is crash!</source>
        <translation>Oh mon Dieu... la voiture n°&#xa0;%1 s&apos;est plantée&#xa0;!</translation>
    </message>
    <message>
        <source>Watch out! %1 have been reech by %2</source>
        <translation>Attention&#xa0;! La %1 s&apos;est fait rattraper par la %2</translation>
    </message>
    <message>
        <source>%1 is taking the lead!!</source>
        <translation>La %1 prend la tête&#xa0;!!</translation>
    </message>
    <message>
        <source>%1 is taking the lead!! Let&apos;s hope he will not crash!</source>
        <translation>La %1 prend la tête&#xa0;!! Espérons qu&apos;elle ne va pas se planter&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is taking a good lead!! Check this out!! Is going for the big one!</source>
        <translation>La %1 creuse l&apos;écart&#xa0;!! Regardez-moi ça&#xa0;!! Elle vise la victoire&#xa0;!</translation>
    </message>
    <message>
        <source>Well this race is very close!! Action at is best!</source>
        <translation>Cette course est très serrée&#xa0;!! Du grand spectacle&#xa0;!</translation>
    </message>
    <message>
        <source>This race was HOT!!! What an ending!!</source>
        <translation>Cette course était BRÛLANTE&#xa0;!!! Quelle arrivée&#xa0;!!</translation>
    </message>
    <message>
        <source>Ouff!! That was close!! Good race guys!!</source>
        <translation>Ouf&#xa0;!! C&apos;était serré&#xa0;!! Belle course, les gars&#xa0;!!</translation>
    </message>
    <message>
        <source>This race have been close, but the winner have work hard to win!</source>
        <translation>Cette course a été serrée, mais le vainqueur s&apos;est battu pour gagner&#xa0;!</translation>
    </message>
    <message>
        <source>This race is a complet domination by %1</source>
        <translation>La %1 a dominé cette course de bout en bout</translation>
    </message>
    <message>
        <source>The car # %1</source>
        <translation>voiture n°&#xa0;%1</translation>
    </message>
    <message>
        <source>You have to bet on one car!</source>
        <translation>Vous devez parier sur une voiture&#xa0;!</translation>
    </message>
    <message>
        <source>You have to bet some money to play!</source>
        <translation>Vous devez miser de l&apos;argent pour jouer&#xa0;!</translation>
    </message>
    <message>
        <source>You must bet!</source>
        <translation>Vous devez miser&#xa0;!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to bet this!</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour miser autant&#xa0;!</translation>
    </message>
    <message>
        <source>You car win is the winner!</source>
        <translation>Votre voiture a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Welcome! This is a live coverage of today&apos;s race</source>
        <translation>Bienvenue&#xa0;! Voici la course du jour en direct</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>All cars are curently racing</source>
        <translation>Toutes les voitures sont en course</translation>
    </message>
    <message>
        <source>You must enter a valid bet.</source>
        <translation>Vous devez entrer une mise valide.</translation>
    </message>
    <message>
        <source>You don&apos;t have enought money to play</source>
        <translation>Vous n&apos;avez pas assez d&apos;argent pour jouer</translation>
    </message>
    <message>
        <source>Sorry but an other admin buy beers for you.
I can&apos;t do this job while he do this.</source>
        <translation>Désolé, mais un autre administrateur achète déjà vos bières.
Je ne peux pas faire ce travail en même temps que lui.</translation>
    </message>
    <message>
        <source>I can&apos;t refund less than 1$...</source>
        <translation>Je ne peux pas rembourser moins de 1&#xa0;$...</translation>
    </message>
    <message>
        <source>You can&apos;t refund more than you have...</source>
        <translation>Vous ne pouvez pas rembourser plus que ce que vous avez...</translation>
    </message>
    <message>
        <source>Unexpected error #82... contact me:
%1</source>
        <translation>Erreur inattendue #82... contactez-moi&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Unexpected error #12
Contact me plz: %1</source>
        <translation>Erreur inattendue #12
Contactez-moi, s&apos;il vous plaît&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sorry but I can&apos;t buy all this tickets for a week...</source>
        <translation>Désolé, mais je ne peux pas acheter autant de billets en une semaine...</translation>
    </message>
    <message>
        <source>Do you want to fire this employe?</source>
        <translation>Voulez-vous licencier cet employé&#xa0;?</translation>
    </message>
    <message>
        <source>Fire this employe?</source>
        <translation>Licencier cet employé&#xa0;?</translation>
    </message>
    <message>
        <source>Hi, I&apos;m ned! I&apos;ve always been a lucky man...
So I can manage your lottery tickets for you.
-----
Staff ID: #001</source>
        <translation>Salut, moi c&apos;est Ned&#xa0;! J&apos;ai toujours eu de la chance...
Alors je peux m&apos;occuper de vos billets de loterie.
-----
Matricule&#xa0;: #001</translation>
    </message>
    <message>
        <source>Hi there, here&apos;s what I can do for you

- Manage your beers stock
- Manage your lottery tickets
-----
Staff ID: #002</source>
        <translation>Bonjour, voici ce que je peux faire pour vous

- Gérer votre stock de bières
- Gérer vos billets de loterie
-----
Matricule&#xa0;: #002</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
beers stock? I can help with that!
-----
Staff ID: #003</source>
        <translation>Salut&#xa0;! Vous n&apos;avez pas le temps de gérer votre
stock de bières&#xa0;? Je peux m&apos;en charger&#xa0;!
-----
Matricule&#xa0;: #003</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
loans and investments? I can help you!
-----
Staff ID: #004</source>
        <translation>Salut&#xa0;! Vous n&apos;avez pas le temps de gérer vos
prêts et vos placements&#xa0;? Je peux vous aider&#xa0;!
-----
Matricule&#xa0;: #004</translation>
    </message>
    <message>
        <source>Error #7

Unexpected value... huh? Please contact me:
%1</source>
        <translation>Erreur #7

Valeur inattendue... hein&#xa0;? Contactez-moi, s&apos;il vous plaît&#xa0;:
%1</translation>
    </message>
    <message>
        <source>You can&apos;t hire this person now.</source>
        <translation>Vous ne pouvez pas embaucher cette personne maintenant.</translation>
    </message>
    <message>
        <source>Welcome to -=Invest Bank=-</source>
        <translation>Bienvenue à la -=Invest Bank=-</translation>
    </message>
    <message>
        <source>Become a new member for 1000$</source>
        <translation>Devenez membre pour 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Années écoulées&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate infos</source>
        <translation>Taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Long term investment</source>
        <translation>Placement à long terme</translation>
    </message>
    <message>
        <source>5 years investment: 10% per year</source>
        <translation>Placement sur 5 ans&#xa0;: 10&#xa0;% par an</translation>
    </message>
    <message>
        <source>10 years investment: 25% per year</source>
        <translation>Placement sur 10 ans&#xa0;: 25&#xa0;% par an</translation>
    </message>
    <message>
        <source>Loan interest</source>
        <translation>Intérêts des prêts</translation>
    </message>
    <message>
        <source>25% interest per year</source>
        <translation>25&#xa0;% d&apos;intérêts par an</translation>
    </message>
    <message>
        <source>German Bank - The Power of your economy</source>
        <translation>German Bank - La force de votre économie</translation>
    </message>
    <message>
        <source>Become a new member for 3500$</source>
        <translation>Devenez membre pour 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years completed:</source>
        <translation>Années accomplies&#xa0;:</translation>
    </message>
    <message>
        <source>Service Information</source>
        <translation>Nos services</translation>
    </message>
    <message>
        <source>15 years investment: 30% per year</source>
        <translation>Placement sur 15 ans&#xa0;: 30&#xa0;% par an</translation>
    </message>
    <message>
        <source>25 years investment: 35% per year</source>
        <translation>Placement sur 25 ans&#xa0;: 35&#xa0;% par an</translation>
    </message>
    <message>
        <source>Insurance Informations</source>
        <translation>Nos assurances</translation>
    </message>
    <message>
        <source>Fire insurance: 1000$ / years</source>
        <translation>Assurance incendie&#xa0;: 1000&#xa0;$ par an</translation>
    </message>
    <message>
        <source>Stole insurance: 800$ / years</source>
        <translation>Assurance vol&#xa0;: 800&#xa0;$ par an</translation>
    </message>
    <message>
        <source>China Cash - The easy way to get money</source>
        <translation>China Cash - L&apos;argent facile</translation>
    </message>
    <message>
        <source>Become a new member for 8000$</source>
        <translation>Devenez membre pour 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Services Informations</source>
        <translation>Nos services</translation>
    </message>
    <message>
        <source>30% interest per year</source>
        <translation>30&#xa0;% d&apos;intérêts par an</translation>
    </message>
    <message>
        <source>No web browser could be started. The address is:
</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé. L&apos;adresse est&#xa0;:
</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Save game error</source>
        <translation>Erreur de sauvegarde</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Sauvegarder votre partie</translation>
    </message>
    <message>
        <source>Save Files (*.sav)|*.sav|All Files (*.txt)|*.*</source>
        <translation>Parties sauvegardées (*.sav)|*.sav|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Load a game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save Game (*.sav)|*.sav|All File (*.*)|*.*</source>
        <translation>Parties sauvegardées (*.sav)|*.sav|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>The version of your save game is older... restart a new game.</source>
        <translation>Votre sauvegarde vient d&apos;une version plus ancienne... commencez une nouvelle partie.</translation>
    </message>
    <message>
        <source>%1 years old</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>%1$/month</source>
        <translation>%1&#xa0;$/mois</translation>
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
        <translation>- Racing Money (pariez sur des courses
  de voitures pour gagner de l&apos;argent)

- Vous recevez des messages dans votre
  zone de messages

- Vous pouvez maintenant ouvrir ou
  fermer votre bar

- La fenêtre Informations montre les
  stats de vos bars (visiteurs et bénéfice)

- L&apos;huissier paie la banque si votre prêt
  est trop gros

- Gros remaniement du code (achat de bars,
  achat de boissons, etc.)

- Nouvelles interfaces pour certaines
  fenêtres (Boissons, Informations, principale)

- Le Centre de mise à jour devient le
  Centre Internet

- Quelques bugs corrigés&#xa0;!

- Quelques améliorations</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>tavo::ui::BankForm</name>
    <message>
        <source>You&apos;re not a member</source>
        <translation>Vous n&apos;êtes pas membre</translation>
    </message>
    <message>
        <source>Your status:</source>
        <translation>Votre statut&#xa0;:</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Devenir membre</translation>
    </message>
    <message>
        <source>Make an Investment</source>
        <translation>Faire un placement</translation>
    </message>
    <message>
        <source>Investment refund</source>
        <translation>Retirer le placement</translation>
    </message>
    <message>
        <source>Borrow money</source>
        <translation>Emprunter de l&apos;argent</translation>
    </message>
    <message>
        <source>Refund the loan</source>
        <translation>Rembourser le prêt</translation>
    </message>
    <message>
        <source>Buy Insurance</source>
        <translation>Prendre une assurance</translation>
    </message>
    <message>
        <source>Sell insurance</source>
        <translation>Résilier une assurance</translation>
    </message>
    <message>
        <source>Acount</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>You&apos;re not a member here</source>
        <translation>Vous n&apos;êtes pas membre ici</translation>
    </message>
    <message>
        <source>Current investment infos</source>
        <translation>Votre placement en cours</translation>
    </message>
    <message>
        <source>Number of years left:</source>
        <translation>Années restantes&#xa0;:</translation>
    </message>
    <message>
        <source>Value of your money now:</source>
        <translation>Valeur actuelle de votre argent&#xa0;:</translation>
    </message>
    <message>
        <source>Current loan infos</source>
        <translation>Votre prêt en cours</translation>
    </message>
    <message>
        <source>Money loan:</source>
        <translation>Montant du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Années écoulées&#xa0;:</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Reste à rembourser&#xa0;:</translation>
    </message>
    <message>
        <source>Insurance infos</source>
        <translation>Vos assurances</translation>
    </message>
    <message>
        <source>Fire Insurance</source>
        <translation>Assurance incendie</translation>
    </message>
    <message>
        <source>Theft Insurance</source>
        <translation>Assurance vol</translation>
    </message>
    <message>
        <source> cost</source>
        <translation>&#xa0;: coût</translation>
    </message>
    <message>
        <source>Acount Info</source>
        <translation>Infos du compte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Leave the bank</source>
        <translation>Quitter la banque</translation>
    </message>
    <message>
        <source>You&apos;re a member</source>
        <translation>Vous êtes membre</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Dates</name>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>the first of a month: day, month&apos;s name, year</comment>
        <translation>1er %2 %3</translation>
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
        <translation>Formulaire de placement</translation>
    </message>
    <message>
        <source>Welcome. If you want to make an investment
here, you must know our rules. You can&apos;t
touch your money before the end of your
investment. If you can&apos;t wait and you must
</source>
        <translation>Bienvenue. Si vous voulez faire un placement
chez nous, vous devez connaître nos règles&#xa0;:
vous ne touchez pas à votre argent avant la
fin du placement. Si vous ne pouvez pas
</translation>
    </message>
    <message>
        <source>
the value your investment.</source>
        <translation>
la valeur de votre placement.</translation>
    </message>
    <message>
        <source>investment. If you can&apos;t wait and you must</source>
        <translation>Bienvenue. Si vous voulez faire un placement</translation>
    </message>
    <message>
        <source>Fill this form:</source>
        <translation>Remplissez ce formulaire&#xa0;:</translation>
    </message>
    <message>
        <source>Number of years</source>
        <translation>Nombre d&apos;années</translation>
    </message>
    <message>
        <source>Money informations</source>
        <translation>Montants</translation>
    </message>
    <message>
        <source>The max you can invest is:</source>
        <translation>Le maximum que vous pouvez placer&#xa0;:</translation>
    </message>
    <message>
        <source>How much you want invest:</source>
        <translation>Combien voulez-vous placer&#xa0;:</translation>
    </message>
    <message>
        <source>Total after the investment:</source>
        <translation>Total à la fin du placement&#xa0;:</translation>
    </message>
    <message>
        <source>Invest the money</source>
        <translation>Placer l&apos;argent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRefundForm</name>
    <message>
        <source>Refund the loan</source>
        <translation>Rembourser le prêt</translation>
    </message>
    <message>
        <source>How much do you want to refund?</source>
        <translation>Combien voulez-vous rembourser&#xa0;?</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Rembourser</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRequestForm</name>
    <message>
        <source>Make a loan</source>
        <translation>Demander un prêt</translation>
    </message>
    <message>
        <source>Your current loan is:</source>
        <translation>Votre prêt actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Your loan limit is:</source>
        <translation>Votre plafond de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>How much money do you need?</source>
        <translation>De combien avez-vous besoin&#xa0;?</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Demander</translation>
    </message>
    <message>
        <source>You can pay back the loan every
time you want. Our interest rate is
</source>
        <translation>Vous pouvez rembourser le prêt quand
vous voulez. Notre taux d&apos;intérêt est de
</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Outcomes</name>
    <message>
        <source>Game saved as %1.</source>
        <translation>Partie sauvegardée sous %1.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The clock is paused.</source>
        <translation>Le temps est en pause.</translation>
    </message>
    <message>
        <source>Speed: %1.</source>
        <translation>Vitesse&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Vainqueur de la course&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is open.</source>
        <translation>%1 est ouvert.</translation>
    </message>
    <message>
        <source>%1 is closed.</source>
        <translation>%1 est fermé.</translation>
    </message>
    <message>
        <source>%1 works for you now.</source>
        <translation>%1 travaille pour vous maintenant.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 est parti.</translation>
    </message>
    <message>
        <source>Ticket bought: %1.</source>
        <translation>Billet acheté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: you win %2$.</source>
        <translation>%1&#xa0;: vous gagnez %2$.</translation>
    </message>
    <message>
        <source>%1: you lose %2$.</source>
        <translation>%1&#xa0;: vous perdez %2$.</translation>
    </message>
    <message>
        <source>Insured against fire and theft.</source>
        <translation>Assuré contre l&apos;incendie et le vol.</translation>
    </message>
    <message>
        <source>Insured against fire.</source>
        <translation>Assuré contre l&apos;incendie.</translation>
    </message>
    <message>
        <source>Insured against theft.</source>
        <translation>Assuré contre le vol.</translation>
    </message>
    <message>
        <source>No insurance held now.</source>
        <translation>Plus aucune assurance en cours.</translation>
    </message>
    <message>
        <source>Drinks ordered for %1$. Your money: %2$.</source>
        <translation>Boissons commandées pour %1$. Votre argent&#xa0;: %2$.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAboutForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Écrit, dessiné et testé par l&apos;équipe de Tavo.</translation>
    </message>
    <message>
        <source>E-mail me at:</source>
        <translation>Écrivez-moi à&#xa0;:</translation>
    </message>
    <message>
        <source>Thanks to every player who sent an idea or a bug.</source>
        <translation>Merci à tous les joueurs qui ont envoyé une idée ou signalé un bug.</translation>
    </message>
    <message>
        <source>Visit the official web site:</source>
        <translation>Visitez le site officiel&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAdminViewForm</name>
    <message>
        <source>Setting for your employe</source>
        <translation>Réglages de votre employé</translation>
    </message>
    <message>
        <source>Set your administrator</source>
        <translation>Les tâches de votre administrateur</translation>
    </message>
    <message>
        <source>I can buy you</source>
        <translation>Je peux vous acheter</translation>
    </message>
    <message>
        <source>tickets per week for</source>
        <translation>billets par semaine à</translation>
    </message>
    <message>
        <source>How many tickets/week do you want?</source>
        <translation>Combien de billets par semaine voulez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>I will buy drinks each time your stock is low.</source>
        <translation>J&apos;achèterai des boissons chaque fois que votre stock sera bas.</translation>
    </message>
    <message>
        <source>How many drinks you want me to buy?</source>
        <translation>Combien de boissons dois-je acheter&#xa0;?</translation>
    </message>
    <message>
        <source>I will refund your loan if you have enough money.</source>
        <translation>Je rembourserai votre prêt si vous avez assez d&apos;argent.</translation>
    </message>
    <message>
        <source>I&apos;ll refund when you have more than this</source>
        <translation>Je rembourse quand vous avez plus que ce montant</translation>
    </message>
    <message>
        <source>When you have enough money, i&apos;ll refund this</source>
        <translation>Quand vous avez assez d&apos;argent, je rembourse ce montant</translation>
    </message>
    <message>
        <source>Refund when I have more than</source>
        <translation>Rembourser quand j&apos;ai plus de</translation>
    </message>
    <message>
        <source>How much I refund?</source>
        <translation>Combien dois-je rembourser&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Close &amp;&amp; Save</source>
        <translation>&amp;Sauvegarder et fermer</translation>
    </message>
    <message>
        <source>Save the setting</source>
        <translation>Sauvegarder les réglages</translation>
    </message>
    <message>
        <source>&amp;Fire</source>
        <translation>&amp;Licencier</translation>
    </message>
    <message>
        <source>Fire this employe</source>
        <translation>Licencier cet employé</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBanksForm</name>
    <message>
        <source>Choose a bank</source>
        <translation>Choisissez une banque</translation>
    </message>
    <message>
        <source>Canadian banks</source>
        <translation>Banques canadiennes</translation>
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
        <translation>Banques européennes</translation>
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
        <translation>Entrer dans la banque</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBarSetupForm</name>
    <message>
        <source>Setup of the new bar</source>
        <translation>Création du nouveau bar</translation>
    </message>
    <message>
        <source>Name of the bar:</source>
        <translation>Nom du bar&#xa0;:</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternatif</translation>
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
        <translation>Plus d&apos;infos</translation>
    </message>
    <message>
        <source>Type of bar</source>
        <translation>Type de bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Populaire</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>Chic</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Rave Class</source>
        <translation>Rave</translation>
    </message>
    <message>
        <source>This bar is located in a small street of the city, your clients are poor.</source>
        <translation>Ce bar se trouve dans une petite rue de la ville, vos clients sont pauvres.</translation>
    </message>
    <message>
        <source>Entry price?</source>
        <translation>Prix d&apos;entrée&#xa0;?</translation>
    </message>
    <message>
        <source>Money before the sale:</source>
        <translation>Argent avant l&apos;achat&#xa0;:</translation>
    </message>
    <message>
        <source>Money after the sale:</source>
        <translation>Argent après l&apos;achat&#xa0;:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter the name of your bar</source>
        <translation>Entrez le nom de votre bar</translation>
    </message>
    <message>
        <source>Low Class Bar</source>
        <translation>Bar populaire</translation>
    </message>
    <message>
        <source>High Class Bar</source>
        <translation>Bar chic</translation>
    </message>
    <message>
        <source>Dark Class Bar</source>
        <translation>Bar sombre</translation>
    </message>
    <message>
        <source>Rave Class Bar</source>
        <translation>Bar rave</translation>
    </message>
    <message>
        <source>You must choose at lease one type of music</source>
        <translation>Vous devez choisir au moins un style de musique</translation>
    </message>
    <message>
        <source>This bar is located in a famous street of the city, your clients are rich and affluent.</source>
        <translation>Ce bar se trouve dans une rue célèbre de la ville, vos clients sont riches et aisés.</translation>
    </message>
    <message>
        <source>This bar is located in a dark part of the city, your clients are strange, mysterious and weird people.</source>
        <translation>Ce bar se trouve dans un quartier sombre de la ville, vos clients sont des gens étranges, mystérieux et bizarres.</translation>
    </message>
    <message>
        <source>This bar is located in an old building, there is a lot of empty space to dance.</source>
        <translation>Ce bar se trouve dans un vieux bâtiment, il y a beaucoup d&apos;espace libre pour danser.</translation>
    </message>
    <message>
        <source>The type of music you play goes with the location of the bar and the clients of your bar,
 if you put the wrong type of music with the bar,
 people won&apos;t come.</source>
        <translation>Le style de musique que vous passez doit aller avec l&apos;emplacement et les clients de votre bar&#xa0;:
 si vous passez la mauvaise musique dans ce bar,
 les gens ne viendront pas.</translation>
    </message>
    <message>
        <source>Music: More</source>
        <translation>Musique&#xa0;: plus d&apos;infos</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDisasFireForm</name>
    <message>
        <source>Fire!</source>
        <translation>Au feu&#xa0;!</translation>
    </message>
    <message>
        <source>You wasn&apos;t insured</source>
        <translation>Vous n&apos;aviez pas d&apos;assurance</translation>
    </message>
    <message>
        <source>You was insured </source>
        <translation>Vous aviez une assurance </translation>
    </message>
    <message>
        <source>You must pay: </source>
        <translation>Vous devez payer&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDrinkForm</name>
    <message>
        <source>Order drinks for your bars</source>
        <translation>Commander des boissons pour vos bars</translation>
    </message>
    <message>
        <source>Choose the bar you want to order drinks:</source>
        <translation>Choisissez le bar pour lequel commander des boissons&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Clients /  Day:</source>
        <translation>Clients par jour&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the drink you want to order:</source>
        <translation>Choisissez la boisson à commander&#xa0;:</translation>
    </message>
    <message>
        <source>Drink Informations</source>
        <translation>Infos sur la boisson</translation>
    </message>
    <message>
        <source>Retail Price:</source>
        <translation>Prix de détail&#xa0;:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message>
        <source>oz</source>
        <translation>oz</translation>
    </message>
    <message>
        <source>Your order</source>
        <translation>Votre commande</translation>
    </message>
    <message>
        <source>I use this drink in this bar</source>
        <translation>Je sers cette boisson dans ce bar</translation>
    </message>
    <message>
        <source>Qty left in this bar</source>
        <translation>Quantité restante dans ce bar</translation>
    </message>
    <message>
        <source>Qty you want to buy</source>
        <translation>Quantité à acheter</translation>
    </message>
    <message>
        <source>Your Price</source>
        <translation>Votre prix</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Bénéfice</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Commander</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Add a drink</source>
        <translation>Ajouter une &amp;boisson</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>All your bars</source>
        <translation>Tous vos bars</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermé</translation>
    </message>
    <message>
        <source>Beer Information</source>
        <translation>Infos sur la bière</translation>
    </message>
    <message>
        <source>Shooter Information</source>
        <translation>Infos sur le shooter</translation>
    </message>
    <message>
        <source>In the next release!</source>
        <translation>Dans la prochaine version&#xa0;!</translation>
    </message>
    <message>
        <source>How to buy drinks?
1- Choose the bar you want to order drinks
2- Choose the drink you want to order
3- Enter a price and a qty and order.</source>
        <translation>Comment acheter des boissons&#xa0;?
1- Choisissez le bar pour lequel vous commandez
2- Choisissez la boisson à commander
3- Entrez un prix et une quantité, puis commandez.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TFinanceForm</name>
    <message>
        <source>Finances</source>
        <translation>Finances</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <translation>&amp;Argent</translation>
    </message>
    <message>
        <source>&amp;Profit of each bar</source>
        <translation>&amp;Bénéfice de chaque bar</translation>
    </message>
    <message>
        <source>&amp;Visitors of each bar</source>
        <translation>&amp;Visiteurs de chaque bar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Money ($)</source>
        <translation>Argent ($)</translation>
    </message>
    <message>
        <source>No month has ended yet in this game: the charts fill in at each month&apos;s end.</source>
        <translation>Aucun mois ne s&apos;est encore terminé dans cette partie&#xa0;: les graphiques se remplissent à chaque fin de mois.</translation>
    </message>
    <message>
        <source>Month by month from %1 to %2: the money at each month&apos;s end, and each bar&apos;s profit and visitors.</source>
        <translation>Mois par mois, de %1 à %2&#xa0;: l&apos;argent à chaque fin de mois, ainsi que le bénéfice et les visiteurs de chaque bar.</translation>
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
        <translation>Stock du bar</translation>
    </message>
    <message>
        <source>Stay on this bar</source>
        <translation>Rester sur ce bar</translation>
    </message>
    <message>
        <source>See the next bar now</source>
        <translation>Voir tout de suite le bar suivant</translation>
    </message>
    <message>
        <source>Misc info.</source>
        <translation>Infos diverses</translation>
    </message>
    <message>
        <source>Lottery tickets buy:</source>
        <translation>Billets de loterie achetés&#xa0;:</translation>
    </message>
    <message>
        <source>Number of lottery tickets bought by your admin.</source>
        <translation>Nombre de billets de loterie achetés par votre administrateur.</translation>
    </message>
    <message>
        <source>Clients in your bar:</source>
        <translation>Clients dans votre bar&#xa0;:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Your messages box:</source>
        <translation>Vos messages&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Visit the website</source>
        <translation>&amp;Visiter le site web</translation>
    </message>
    <message>
        <source>Debug Menu</source>
        <translation>Menu de débogage</translation>
    </message>
    <message>
        <source>Set Clock speed</source>
        <translation>Régler la vitesse</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Incendie</translation>
    </message>
    <message>
        <source>Set one of your bar in fire</source>
        <translation>Mettre le feu à un de vos bars</translation>
    </message>
    <message>
        <source>Add money</source>
        <translation>Ajouter de l&apos;argent</translation>
    </message>
    <message>
        <source>Clock speed</source>
        <translation>Vitesse de l&apos;horloge</translation>
    </message>
    <message>
        <source>Money to add</source>
        <translation>Argent à ajouter</translation>
    </message>
    <message>
        <source>Week day:</source>
        <translation>Jour de la semaine&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lent</translation>
    </message>
    <message>
        <source>S&amp;low</source>
        <translation>L&amp;ent</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sauvegarder</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>V&amp;iew your info</source>
        <translation>Voir vos &amp;infos</translation>
    </message>
    <message>
        <source>&amp;Buy drinks</source>
        <translation>Acheter des &amp;boissons</translation>
    </message>
    <message>
        <source>B&amp;uy a bar</source>
        <translation>&amp;Acheter un bar</translation>
    </message>
    <message>
        <source>&amp;Promote your bar</source>
        <translation>&amp;Promouvoir votre bar</translation>
    </message>
    <message>
        <source>&amp;Finances</source>
        <translation>&amp;Finances</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>Aller à la ban&amp;que</translation>
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
        <translation>&amp;Gérer le personnel</translation>
    </message>
    <message>
        <source>&amp;Hire staff</source>
        <translation>&amp;Embaucher du personnel</translation>
    </message>
    <message>
        <source>Vi&amp;ew your staff</source>
        <translation>&amp;Voir votre personnel</translation>
    </message>
    <message>
        <source>&amp;Lottery Center</source>
        <translation>Centre de &amp;loterie</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Internet Center</source>
        <translation>Centre &amp;Internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>C&amp;lear this message</source>
        <translation>E&amp;ffacer ce message</translation>
    </message>
    <message>
        <source>&amp;Clear all messages</source>
        <translation>&amp;Effacer tous les messages</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Sauvegarder votre partie</translation>
    </message>
    <message>
        <source>Open a save game</source>
        <translation>Ouvrir une partie sauvegardée</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Quit the game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Set the speed of the game</source>
        <translation>Régler la vitesse du jeu</translation>
    </message>
    <message>
        <source>View your informations</source>
        <translation>Voir vos informations</translation>
    </message>
    <message>
        <source>Buy drinks</source>
        <translation>Acheter des boissons</translation>
    </message>
    <message>
        <source>Buy a bar</source>
        <translation>Acheter un bar</translation>
    </message>
    <message>
        <source>Promote your bar</source>
        <translation>Promouvoir votre bar</translation>
    </message>
    <message>
        <source>Finances month by month</source>
        <translation>Finances mois par mois</translation>
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
        <translation>Aller à la banque</translation>
    </message>
    <message>
        <source>&amp;Hire Staff</source>
        <translation>&amp;Embaucher du personnel</translation>
    </message>
    <message>
        <source>&amp;View Staff</source>
        <translation>&amp;Voir le personnel</translation>
    </message>
    <message>
        <source>Manage your staff</source>
        <translation>Gérer votre personnel</translation>
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
        <translation>Centre de loterie</translation>
    </message>
    <message>
        <source>Visit the Internet Center</source>
        <translation>Visiter le Centre Internet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Erreur #3
Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Error #3
Error opening file!</source>
        <translation>Erreur #3
Erreur à l&apos;ouverture du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>You really want to quit ?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to save the game before leaving?</source>
        <translation>Voulez-vous sauvegarder la partie avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Save your game?</source>
        <translation>Sauvegarder la partie&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>Voulez-vous commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Next bar</source>
        <translation>Bar suivant</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TGermInsuForm</name>
    <message>
        <source>Buy an insurance</source>
        <translation>Prendre une assurance</translation>
    </message>
    <message>
        <source>Read our contract before sign up</source>
        <translation>Lisez notre contrat avant de signer</translation>
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
        <translation>L&apos;assurance incendie couvre tout
votre bar. Si un incendie détruit
votre bar, vous recevrez sa valeur
plus 15&#xa0;000&#xa0;$. Si le bar part en
fumée et que l&apos;enquête de la police
révèle que vous avez des liens avec
un gang de la mafia, votre contrat
est nul et vous perdez tout.
L&apos;assurance coûte 1000&#xa0;$ par mois.</translation>
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
        <translation>L&apos;assurance vol couvre tout votre
bar. En cas de cambriolage dans
un de vos bars, vous recevrez 90&#xa0;%
de la valeur volée. Si l&apos;enquête de
la police révèle que vous avez des
liens avec un gang de la mafia,
votre contrat est nul et vous
perdez tout. L&apos;assurance coûte
800&#xa0;$ par mois.</translation>
    </message>
    <message>
        <source>Fire insurace</source>
        <translation>Assurance incendie</translation>
    </message>
    <message>
        <source>Theft insurace</source>
        <translation>Assurance vol</translation>
    </message>
    <message>
        <source>Check the box if you want:</source>
        <translation>Cochez la case si vous la voulez&#xa0;:</translation>
    </message>
    <message>
        <source> contract</source>
        <translation>&#xa0;: contrat</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Signer</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::THireStaffForm</name>
    <message>
        <source>Hire Staff for you bars</source>
        <translation>Embaucher du personnel pour vos bars</translation>
    </message>
    <message>
        <source>Hire staff for your bars</source>
        <translation>Embaucher du personnel pour vos bars</translation>
    </message>
    <message>
        <source>lottery tickets and take care of your investments and loans.</source>
        <translation>des billets de loterie et s&apos;occuper de vos placements et de vos prêts.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Administrateurs</translation>
    </message>
    <message>
        <source>&amp;Hire</source>
        <translation>&amp;Embaucher</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>An administrator can do many things for you! He can buy beers,</source>
        <translation>Un administrateur peut faire beaucoup de choses pour vous&#xa0;! Il peut acheter des bières,</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInfoForm</name>
    <message>
        <source>Informations</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>The Owner&apos;s Name</source>
        <translation>Nom du propriétaire</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Homme d&apos;affaires</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Mec cool</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>La femme</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Reste à rembourser&#xa0;:</translation>
    </message>
    <message>
        <source>Payments/month:</source>
        <translation>Paiements par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Taxes/month:</source>
        <translation>Impôts par mois&#xa0;:</translation>
    </message>
    <message>
        <source>The Bar&apos;s Name</source>
        <translation>Nom du bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Populaire</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>Chic</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Rave Class</source>
        <translation>Rave</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternatif</translation>
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
        <translation>Clients max.&#xa0;:</translation>
    </message>
    <message>
        <source>Peak clients:</source>
        <translation>Record de clients&#xa0;:</translation>
    </message>
    <message>
        <source>Status of you bar</source>
        <translation>État de votre bar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermé</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Changer</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Entry Price:</source>
        <translation>Prix d&apos;entrée&#xa0;:</translation>
    </message>
    <message>
        <source>Profit this month:</source>
        <translation>Bénéfice ce mois-ci&#xa0;:</translation>
    </message>
    <message>
        <source>Visitors this month:</source>
        <translation>Visiteurs ce mois-ci&#xa0;:</translation>
    </message>
    <message>
        <source>Profit last month:</source>
        <translation>Bénéfice le mois dernier&#xa0;:</translation>
    </message>
    <message>
        <source>Visitors last month:</source>
        <translation>Visiteurs le mois dernier&#xa0;:</translation>
    </message>
    <message>
        <source>Lottery profit:</source>
        <translation>Bénéfice à la loterie&#xa0;:</translation>
    </message>
    <message>
        <source>Beers Stock</source>
        <translation>Stock de bières</translation>
    </message>
    <message>
        <source>Your bars:</source>
        <translation>Vos bars&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvert</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInternetCenterForm</name>
    <message>
        <source>Internet Center</source>
        <translation>Centre Internet</translation>
    </message>
    <message>
        <source>The latest version of Tavo</source>
        <translation>La dernière version de Tavo</translation>
    </message>
    <message>
        <source>The news of Tavo</source>
        <translation>Les actualités de Tavo</translation>
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
        <translation>Chaque semaine, gagnez gros avec le Lotto 6/49</translation>
    </message>
    <message>
        <source>Ticket&apos;s price: 250$</source>
        <translation>Prix du billet&#xa0;: 250&#xa0;$</translation>
    </message>
    <message>
        <source>Current jackpot:</source>
        <translation>Cagnotte actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Your ticket numbers </source>
        <translation>Les numéros de votre billet </translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Numéro %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Buy this ticket</source>
        <translation>Acheter ce billet</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMainForm</name>
    <message>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Load a saved game</source>
        <translation>Charger une partie sauvegardée</translation>
    </message>
    <message>
        <source>Error #02
Unable to complet LoadTheFile.</source>
        <translation>Erreur #02
Impossible de terminer LoadTheFile.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Oups...</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Erreur #3
Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Error #02
You must re-install the game.
The bars list file is not found!</source>
        <translation>Erreur #02
Vous devez réinstaller le jeu.
Le fichier de la liste des bars est introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Error #03
You must re-install the game.
The drinks list file is not found</source>
        <translation>Erreur #03
Vous devez réinstaller le jeu.
Le fichier de la liste des boissons est introuvable</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMapForm</name>
    <message>
        <source>Choose a bar to buy</source>
        <translation>Choisissez un bar à acheter</translation>
    </message>
    <message>
        <source>Town map</source>
        <translation>Carte de la ville</translation>
    </message>
    <message>
        <source>Each pin is a bar of the list beside it</source>
        <translation>Chaque épingle est un bar de la liste d&apos;à côté</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Prix&#xa0;:</translation>
    </message>
    <message>
        <source>Average clients/day:</source>
        <translation>Clients par jour en moyenne&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum clients in bar:</source>
        <translation>Clients max. dans le bar&#xa0;:</translation>
    </message>
    <message>
        <source>Cost per month:</source>
        <translation>Coût par mois&#xa0;:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propriétaire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Buy the bar</source>
        <translation>&amp;Acheter le bar</translation>
    </message>
    <message>
        <source>&amp;Sell the bar</source>
        <translation>&amp;Vendre le bar</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>Aller à la &amp;banque</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>This bar is not owned</source>
        <translation>Ce bar n&apos;a pas de propriétaire</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TNewCarForm</name>
    <message>
        <source>Create a new character</source>
        <translation>Créer un nouveau personnage</translation>
    </message>
    <message>
        <source>Owner&apos;s name:</source>
        <translation>Nom du propriétaire&#xa0;:</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>Qui êtes-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Homme d&apos;affaires</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Mec cool</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>La femme</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Your profile</source>
        <translation>Votre profil</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus d&apos;infos</translation>
    </message>
    <message>
        <source>If you need more info</source>
        <translation>Si vous voulez en savoir plus</translation>
    </message>
    <message>
        <source>Credibility:</source>
        <translation>Crédibilité&#xa0;:</translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation>Connaissance du métier&#xa0;:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Argent&#xa0;:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter the owner&apos;s name</source>
        <translation>Entrez le nom du propriétaire</translation>
    </message>
    <message>
        <source>The business man</source>
        <translation>L&apos;homme d&apos;affaires</translation>
    </message>
    <message>
        <source>The cool dude</source>
        <translation>Le mec cool</translation>
    </message>
    <message>
        <source>The woman</source>
        <translation>La femme</translation>
    </message>
    <message>
        <source>The business man is a powerful person and he has many contacts in the financial industry.
 He doesn&apos;t know very much about bars.</source>
        <translation>L&apos;homme d&apos;affaires est quelqu&apos;un de puissant qui a beaucoup de contacts dans le monde de la finance.
 Il ne connaît pas grand-chose aux bars.</translation>
    </message>
    <message>
        <source>The cool dude knows everything to know about bars,
but he doesn&apos;t have much credibility with the bank managers.</source>
        <translation>Le mec cool sait tout ce qu&apos;il faut savoir sur les bars,
mais il n&apos;a pas beaucoup de crédibilité auprès des banquiers.</translation>
    </message>
    <message>
        <source>The higher your knowledge, the higher the number of clients that will visit your bar(s).</source>
        <translation>Plus votre connaissance du métier est grande, plus votre ou vos bars attireront de clients.</translation>
    </message>
    <message>
        <source>The woman isn&apos;t the best in the bar industry,
 but she can do great things.</source>
        <translation>La femme n&apos;est pas la meilleure dans le monde des bars,
 mais elle peut faire de grandes choses.</translation>
    </message>
    <message>
        <source>The higher your credibility becomes, the more you can borrow from your different banks.</source>
        <translation>Plus votre crédibilité augmente, plus vous pouvez emprunter auprès de vos différentes banques.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPassForm</name>
    <message>
        <source>Password Check</source>
        <translation>Vérification du mot de passe</translation>
    </message>
    <message>
        <source>Debug Center</source>
        <translation>Centre de débogage</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Entrez votre mot de passe</translation>
    </message>
    <message>
        <source>Acces Status</source>
        <translation>Accès</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Accordé</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Refusé</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPopupForm</name>
    <message>
        <source>What&apos;s new?</source>
        <translation>Quoi de neuf&#xa0;?</translation>
    </message>
    <message>
        <source>What&apos;s new on this version:</source>
        <translation>Les nouveautés de cette version&#xa0;:</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>secondes restantes</translation>
    </message>
    <message>
        <source>Show this at startup</source>
        <translation>Afficher au démarrage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk</source>
        <translation>Une erreur s&apos;est produite pendant l&apos;écriture sur le disque</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Erreur de disque</translation>
    </message>
    <message>
        <source>This window can close in 1 second.</source>
        <translation>Cette fenêtre pourra se fermer dans 1 seconde.</translation>
    </message>
    <message>
        <source>This window can close in %1 seconds.</source>
        <translation>Cette fenêtre pourra se fermer dans %1 secondes.</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>1 seconde restante</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>%1 secondes restantes</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPromoteForm</name>
    <message>
        <source>Promote your bar</source>
        <translation>Promouvoir votre bar</translation>
    </message>
    <message>
        <source>You&apos;re looking for more clients in your bar?</source>
        <translation>Vous cherchez plus de clients pour votre bar&#xa0;?</translation>
    </message>
    <message>
        <source>Choose the bar to be promoted</source>
        <translation>Choisissez le bar à promouvoir</translation>
    </message>
    <message>
        <source>Where do you want to be promoted:</source>
        <translation>Où voulez-vous faire votre pub&#xa0;:</translation>
    </message>
    <message>
        <source>Newspaper pub           [  5 000$]</source>
        <translation>Pub dans le journal [ 5&#xa0;000&#xa0;$]</translation>
    </message>
    <message>
        <source>Radio pub                    [15 000$]</source>
        <translation>Pub à la radio [15&#xa0;000&#xa0;$]</translation>
    </message>
    <message>
        <source>Tv pub                         [25 000$]</source>
        <translation>Pub à la télé [25&#xa0;000&#xa0;$]</translation>
    </message>
    <message>
        <source>&amp;Promote</source>
        <translation>&amp;Promouvoir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TRacingMonForm</name>
    <message>
        <source>Racing Money - The fastest way to win money</source>
        <translation>Racing Money - Le moyen le plus rapide de gagner de l&apos;argent</translation>
    </message>
    <message>
        <source>Choose the car you bet on</source>
        <translation>Choisissez la voiture sur laquelle vous pariez</translation>
    </message>
    <message>
        <source>Car 1 (Blue)</source>
        <translation>Voiture 1 (bleue)</translation>
    </message>
    <message>
        <source>Car 2 (Purple)</source>
        <translation>Voiture 2 (violette)</translation>
    </message>
    <message>
        <source>Car 3 (Yellow)</source>
        <translation>Voiture 3 (jaune)</translation>
    </message>
    <message>
        <source>Car 4 (Green)</source>
        <translation>Voiture 4 (verte)</translation>
    </message>
    <message>
        <source>How much do you bet?</source>
        <translation>Combien misez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>Bet some money. If you bet 100$, you&apos;ll win 200$</source>
        <translation>Misez de l&apos;argent. Si vous misez 100&#xa0;$, vous gagnerez 200&#xa0;$</translation>
    </message>
    <message>
        <source>You&apos;ll win X2 your bet!</source>
        <translation>Vous gagnerez deux fois votre mise&#xa0;!</translation>
    </message>
    <message>
        <source>Live coverage of this race</source>
        <translation>Cette course en direct</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Vainqueur de la course&#xa0;:</translation>
    </message>
    <message>
        <source>The current race leader:</source>
        <translation>En tête de la course&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Start The Race</source>
        <translation>&amp;Lancer la course</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 % of the race run</source>
        <translation>%1&#xa0;% de la course parcourue</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TSetupForm</name>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>View what&apos;s new at startup</source>
        <translation>Voir les nouveautés au démarrage</translation>
    </message>
    <message>
        <source>Pause the game while you buy beers</source>
        <translation>Mettre le jeu en pause pendant l&apos;achat de bières</translation>
    </message>
    <message>
        <source>Close the form after you buy beers</source>
        <translation>Fermer la fenêtre après l&apos;achat de bières</translation>
    </message>
    <message>
        <source>Save the game by itself at each month change</source>
        <translation>Sauvegarder automatiquement la partie à chaque changement de mois</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Your bars list file:</source>
        <translation>Votre fichier de liste des bars&#xa0;:</translation>
    </message>
    <message>
        <source>Your drinks list file:</source>
        <translation>Votre fichier de liste des boissons&#xa0;:</translation>
    </message>
    <message>
        <source>Path of your bars list file</source>
        <translation>Chemin de votre fichier de liste des bars</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select the bars list file</source>
        <translation>Choisir le fichier de liste des bars</translation>
    </message>
    <message>
        <source>Bars list file (*.bar)|*.bar</source>
        <translation>Liste des bars (*.bar)|*.bar</translation>
    </message>
    <message>
        <source>Select the drinks list file</source>
        <translation>Choisir le fichier de liste des boissons</translation>
    </message>
    <message>
        <source>Drinks List File (*.drk)|*.drk</source>
        <translation>Liste des boissons (*.drk)|*.drk</translation>
    </message>
    <message>
        <source>Keeps each game&apos;s three newest in the saves folder, autosave-OWNER-TAG-1.sav to -3.sav after its owner, TAG telling the game apart</source>
        <translation>Garde les trois sauvegardes automatiques les plus récentes de chaque partie dans le dossier saves&#xa0;: autosave-NOM-MARQUE-1.sav à -3.sav, où NOM est le nom du propriétaire et MARQUE distingue la partie</translation>
    </message>
    <message>
        <source>The game speaks the language chosen here from its next start</source>
        <translation>Le jeu parlera la langue choisie ici dès son prochain démarrage</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>The new language takes effect when Tavo next starts.</source>
        <translation>La nouvelle langue s&apos;appliquera au prochain démarrage de Tavo.</translation>
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
        <translation>Rouleau %1</translation>
    </message>
    <message>
        <source>&amp;Spin</source>
        <translation>&amp;Tourner</translation>
    </message>
    <message>
        <source>Your bet:</source>
        <translation>Votre mise&#xa0;:</translation>
    </message>
    <message>
        <source>1 - 2 - 3 = Your bet X 7</source>
        <translation>1 - 2 - 3 = votre mise x 7</translation>
    </message>
    <message>
        <source>2 - 2 - 2 = Your bet X 5</source>
        <translation>2 - 2 - 2 = votre mise x 5</translation>
    </message>
    <message>
        <source>3 - 3 - 3 = Your bet X 3</source>
        <translation>3 - 3 - 3 = votre mise x 3</translation>
    </message>
    <message>
        <source>1 - 1 - 1 = Your bet X 2</source>
        <translation>1 - 1 - 1 = votre mise x 2</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>You win:</source>
        <translation>Total gagné&#xa0;:</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>Total perdu&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TViewStaffForm</name>
    <message>
        <source>View Staff Informations</source>
        <translation>Infos sur le personnel</translation>
    </message>
    <message>
        <source>View informations</source>
        <translation>Voir les infos</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Administrateurs</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
