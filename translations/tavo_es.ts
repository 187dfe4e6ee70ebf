<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Pictures</name>
    <message>
        <source>&amp;New game</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>Infos</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Versión</translation>
    </message>
    <message>
        <source>News</source>
        <comment>the Internet Center&apos;s picture button</comment>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>Run the bars of the town, one night at a time</source>
        <comment>the main menu&apos;s picture, under the game&apos;s name</comment>
        <translation>Dirige los bares de la ciudad, noche tras noche</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>the main menu&apos;s picture button; &amp; marks its Alt key</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>What&apos;s new in town</source>
        <comment>the picture of the window of what is new</comment>
        <translation>Novedades en la ciudad</translation>
    </message>
    <message>
        <source>Your money grows with us</source>
        <comment>Invest Bank&apos;s slogan, under its name</comment>
        <translation>Tu dinero crece con nosotros</translation>
    </message>
    <message>
        <source>The Power of your economy</source>
        <comment>German Bank&apos;s slogan, under its name</comment>
        <translation>La fuerza de tu economía</translation>
    </message>
    <message>
        <source>The easy way to get money</source>
        <comment>China Cash&apos;s slogan, under its name</comment>
        <translation>La forma fácil de conseguir dinero</translation>
    </message>
    <message>
        <source>Visit the Tavo web site</source>
        <comment>the Internet Center&apos;s picture link, beside a globe</comment>
        <translation>Visita la web de Tavo</translation>
    </message>
    <message>
        <source>Bars, banks and a little luck</source>
        <comment>the about window&apos;s picture, under the game&apos;s name</comment>
        <translation>Bares, bancos y un poco de suerte</translation>
    </message>
    <message>
        <source>Tavo town</source>
        <comment>the town map&apos;s title, in its top left corner</comment>
        <translation>Ciudad de Tavo</translation>
    </message>
</context>
<context>
    <name>tavo</name>
    <message>
        <source>The game could not save itself in %1.</source>
        <translation>No se ha podido guardar la partida automáticamente en %1.</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk
The setup file is unwritable.</source>
        <translation>Se ha producido un error al escribir en el disco
No se puede escribir el archivo de configuración.</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Error de disco</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 no es un número entero válido</translation>
    </message>
    <message>
        <source>%1 is not a valid floating point value</source>
        <translation>%1 no es un número decimal válido</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to buy this insurances.</source>
        <translation>No tienes suficiente dinero para contratar este seguro.</translation>
    </message>
    <message>
        <source>Oups!</source>
        <translation>¡Uy!</translation>
    </message>
    <message>
        <source>Do you want to leave the fire insurance?</source>
        <translation>¿Quieres cancelar el seguro contra incendios?</translation>
    </message>
    <message>
        <source>Leave an insurance</source>
        <translation>Cancelar un seguro</translation>
    </message>
    <message>
        <source>Do you want to leave the stole insurance?</source>
        <translation>¿Quieres cancelar el seguro contra robo?</translation>
    </message>
    <message>
        <source>5 years investment at 10% per year</source>
        <translation>Inversión a 5 años al 10&#xa0;% anual</translation>
    </message>
    <message>
        <source>10 years investment at 25% per year</source>
        <translation>Inversión a 10 años al 25&#xa0;% anual</translation>
    </message>
    <message>
        <source>have your money back, the charge is 30% of</source>
        <translation>debes recuperarlo, te cobramos el 30&#xa0;%</translation>
    </message>
    <message>
        <source>15 years investment at 30% per year</source>
        <translation>Inversión a 15 años al 30&#xa0;% anual</translation>
    </message>
    <message>
        <source>25 years investment at 35% per year</source>
        <translation>Inversión a 25 años al 35&#xa0;% anual</translation>
    </message>
    <message>
        <source>have your money back, the charge is 60% of</source>
        <translation>debes recuperarlo, te cobramos el 60&#xa0;%</translation>
    </message>
    <message>
        <source>You don&apos;t have engough money to invest</source>
        <translation>No tienes suficiente dinero para invertir</translation>
    </message>
    <message>
        <source>You already have an investment here.</source>
        <translation>Ya tienes una inversión aquí.</translation>
    </message>
    <message>
        <source>You don&apos;t have engouth money</source>
        <translation>No tienes suficiente dinero</translation>
    </message>
    <message>
        <source>You don&apos;t have finish all your investment years.
Do you want your money back?</source>
        <translation>Tu inversión todavía no ha llegado a su plazo.
¿Quieres recuperar tu dinero de todos modos?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Do you want your money back now?</source>
        <translation>¿Quieres recuperar tu dinero ahora?</translation>
    </message>
    <message>
        <source>Get the money back</source>
        <translation>Recuperar el dinero</translation>
    </message>
    <message>
        <source>One of your investments is finish. Your admin have take care of this.</source>
        <translation>Una de tus inversiones ha vencido. Tu administrador se ha encargado de ello.</translation>
    </message>
    <message>
        <source>25% per year.</source>
        <translation>25&#xa0;% anual.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 15 000$!
Or you reach your loan limit.</source>
        <translation>¡Lo sentimos! ¡No puedes pedir prestados más de 15&#xa0;000&#xa0;$!
O has llegado a tu límite de préstamo.</translation>
    </message>
    <message>
        <source>30% per year.</source>
        <translation>30&#xa0;% anual.</translation>
    </message>
    <message>
        <source>Sorry! You can&apos;t borrow more than 25 000$!
Or you reach your loan limit.</source>
        <translation>¡Lo sentimos! ¡No puedes pedir prestados más de 25&#xa0;000&#xa0;$!
O has llegado a tu límite de préstamo.</translation>
    </message>
    <message>
        <source>Error #52... unexpected owner...</source>
        <translation>Error #52... propietario inesperado...</translation>
    </message>
    <message>
        <source>Sorry! But we don&apos;t borrow money to gamblers!</source>
        <translation>¡Lo sentimos! ¡Pero no prestamos dinero a los apostadores!</translation>
    </message>
    <message>
        <source>Loan denied</source>
        <translation>Préstamo denegado</translation>
    </message>
    <message>
        <source>You must ask for at least 1$.</source>
        <translation>Tienes que pedir al menos 1&#xa0;$.</translation>
    </message>
    <message>
        <source>Your loan have been accepted.</source>
        <translation>Tu préstamo ha sido aprobado.</translation>
    </message>
    <message>
        <source>Loan accepted</source>
        <translation>Préstamo aprobado</translation>
    </message>
    <message>
        <source>You must refund at least 1$.</source>
        <translation>Tienes que devolver al menos 1&#xa0;$.</translation>
    </message>
    <message>
        <source>Oups!!</source>
        <translation>¡¡Uy!!</translation>
    </message>
    <message>
        <source>You refund too much...</source>
        <translation>Devuelves demasiado...</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to refund.</source>
        <translation>No tienes suficiente dinero para devolverlo.</translation>
    </message>
    <message>
        <source>Bailiff: Invest Bank wants is money back! So I took your money.</source>
        <translation>Agente judicial: ¡el Invest Bank quiere recuperar su dinero! Así que me he llevado el tuyo.</translation>
    </message>
    <message>
        <source>Bailiff: China Cash wants is money back! So I took your money.</source>
        <translation>Agente judicial: ¡el China Cash quiere recuperar su dinero! Así que me he llevado el tuyo.</translation>
    </message>
    <message>
        <source>One of your admin repay a part of your loan.</source>
        <translation>Uno de tus administradores ha devuelto una parte de tu préstamo.</translation>
    </message>
    <message>
        <source>One of your admin finish to repay one of your loan.</source>
        <translation>Uno de tus administradores ha terminado de devolver uno de tus préstamos.</translation>
    </message>
    <message>
        <source>Under Construction</source>
        <translation>En construcción</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 1000$</source>
        <translation>¿Quieres hacerte socio?
Solo cuesta 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s only 3500$</source>
        <translation>¿Quieres hacerte socio?
Solo cuesta 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Do you want to become a member?
It&apos;s 8000$</source>
        <translation>¿Quieres hacerte socio?
Cuesta 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Hacerse socio</translation>
    </message>
    <message>
        <source>The price you set to enter your bar is too high!</source>
        <translation>¡El precio de entrada de tu bar es demasiado alto!</translation>
    </message>
    <message>
        <source>You already run %1 bars, the most an owner can.
You can&apos;t buy another one.</source>
        <translation>Ya tienes %1 bares, el máximo para un propietario.
No puedes comprar otro.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Uy...</translation>
    </message>
    <message>
        <source>Under reconstruction ;-)</source>
        <translation>En reconstrucción ;-)</translation>
    </message>
    <message>
        <source>Choose the bar to buy on the map first.</source>
        <translation>Primero elige en el plano el bar que quieres comprar.</translation>
    </message>
    <message>
        <source>You must choose a name for your bar.</source>
        <translation>Tienes que elegir un nombre para tu bar.</translation>
    </message>
    <message>
        <source>You must choose at least one type of music.</source>
        <translation>Tienes que elegir al menos un estilo de música.</translation>
    </message>
    <message>
        <source>You must choose a type of bar.</source>
        <translation>Tienes que elegir un tipo de bar.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to buy this bar.</source>
        <translation>No tienes suficiente dinero para comprar este bar.</translation>
    </message>
    <message>
        <source>The bar you just buy isn&apos;t open yet. Open it to make business.</source>
        <translation>El bar que acabas de comprar aún no está abierto. Ábrelo para hacer negocio.</translation>
    </message>
    <message>
        <source>You must use the US version of the drinks list.
We&apos;ve updated your config file.
Save your game and restart Tavo.
You can also choose another drinks list in the setup menu.</source>
        <translation>Tienes que usar la versión de EE. UU. de la lista de bebidas.
Hemos actualizado tu archivo de configuración.
Guarda tu partida y reinicia Tavo.
También puedes elegir otra lista de bebidas en la configuración.</translation>
    </message>
    <message>
        <source>You must fill all the forms.</source>
        <translation>Tienes que rellenar todos los campos.</translation>
    </message>
    <message>
        <source>The price of this drink is too high!
You must lower it!</source>
        <translation>¡El precio de esta bebida es demasiado alto!
¡Tienes que bajarlo!</translation>
    </message>
    <message>
        <source>The price of this drink is too high.
Do you want to set a lower price?</source>
        <translation>El precio de esta bebida es demasiado alto.
¿Quieres poner un precio más bajo?</translation>
    </message>
    <message>
        <source>Set a lower price?</source>
        <translation>¿Bajar el precio?</translation>
    </message>
    <message>
        <source>You must enter a valid price and a valid qty to order.</source>
        <translation>Tienes que introducir un precio y una cantidad válidos para hacer el pedido.</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to order!</source>
        <translation>¡No tienes suficiente dinero para hacer el pedido!</translation>
    </message>
    <message>
        <source>A bar sells 15 different drinks at most:
this one has no room left for another drink.</source>
        <translation>Un bar vende como máximo 15 bebidas distintas:
este ya no tiene sitio para otra bebida.</translation>
    </message>
    <message>
        <source>You have no bar to order these drinks for.</source>
        <translation>No tienes ningún bar para el que pedir estas bebidas.</translation>
    </message>
    <message>
        <source>Your order have been made.</source>
        <translation>Tu pedido se ha realizado.</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Pobre</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>You must enter a owner name.</source>
        <translation>Tienes que introducir un nombre de propietario.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on newspaper.</source>
        <translation>El anuncio de tu bar ya sale en el periódico.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on radio station.</source>
        <translation>El anuncio de tu bar ya suena en la radio.</translation>
    </message>
    <message>
        <source>Your bar&apos;s pub is now on tv station.</source>
        <translation>El anuncio de tu bar ya sale en la tele.</translation>
    </message>
    <message>
        <source>Your bar can&apos;t handle more clients
or you don&apos;t have enough money.</source>
        <translation>Tu bar no puede recibir más clientes
o no tienes suficiente dinero.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Happy new year!</source>
        <translation>¡Feliz año nuevo!</translation>
    </message>
    <message>
        <source>Damn... let&apos;s hope the game can handle Y2K ;-)</source>
        <translation>Vaya... esperemos que el juego aguante el efecto 2000 ;-)</translation>
    </message>
    <message>
        <source>The path of your bars list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>La ruta de tu archivo de lista de bares es demasiado larga (%1 bytes, como máximo %2):
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your bars list:
%1
Choose a bars list file of the game.</source>
        <translation>Este archivo no sirve como lista de bares:
%1
Elige un archivo de lista de bares del juego.</translation>
    </message>
    <message>
        <source>The path of your drinks list file is too long (%1 bytes, at most %2):
%3</source>
        <translation>La ruta de tu archivo de lista de bebidas es demasiado larga (%1 bytes, como máximo %2):
%3</translation>
    </message>
    <message>
        <source>This file can&apos;t be used as your drinks list:
%1
Choose a drinks list file of the game.</source>
        <translation>Este archivo no sirve como lista de bebidas:
%1
Elige un archivo de lista de bebidas del juego.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>You must choose a bars list file.</source>
        <translation>Tienes que elegir un archivo de lista de bares.</translation>
    </message>
    <message>
        <source>You must choose a drinks list file.</source>
        <translation>Tienes que elegir un archivo de lista de bebidas.</translation>
    </message>
    <message>
        <source>Your save game wasn&apos;t saved...</source>
        <translation>Tu configuración no se ha guardado...</translation>
    </message>
    <message>
        <source>Unable to connect to the Tavo web site.
Check that you are on the internet and try again.</source>
        <translation>No se puede conectar con la web de Tavo.
Comprueba que tienes conexión a Internet y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The Tavo web site took too long to answer.
Try again later.</source>
        <translation>La web de Tavo ha tardado demasiado en responder.
Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The Tavo web site could not send this page (error %1).
Try again later.</source>
        <translation>La web de Tavo no ha podido enviar esta página (error %1).
Vuelve a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The page sent by the Tavo web site is too long to be shown.</source>
        <translation>La página que ha enviado la web de Tavo es demasiado larga para mostrarla.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game to another site.
The page was not fetched.</source>
        <translation>La web de Tavo ha redirigido el juego a otro sitio.
No se ha descargado la página.</translation>
    </message>
    <message>
        <source>The Tavo web site sent the game from address to address too many times.
The page was not fetched.</source>
        <translation>La web de Tavo ha redirigido el juego de una dirección a otra demasiadas veces.
No se ha descargado la página.</translation>
    </message>
    <message>
        <source>The page could not be fetched.</source>
        <translation>No se ha podido descargar la página.</translation>
    </message>
    <message>
        <source>You must be on the internet to enter here.
Are you on internet?</source>
        <translation>Tienes que estar en Internet para entrar aquí.
¿Tienes conexión?</translation>
    </message>
    <message>
        <source>Are you connected?</source>
        <translation>¿Tienes conexión?</translation>
    </message>
    <message>
        <source>Internet Center</source>
        <translation>Centro de Internet</translation>
    </message>
    <message>
        <source>Your version is
----
Version: 0.4.1
Build: 36
Date: August 7th, 1999
</source>
        <translation>Tu versión:
----
Versión: 0.4.1
Compilación: 36
Fecha: 7 de agosto de 1999
</translation>
    </message>
    <message>
        <source>You must enter a number on each box!</source>
        <translation>¡Tienes que escribir un número en cada casilla!</translation>
    </message>
    <message>
        <source>Check if you&apos;ve enter a number between 6 and 49.
You can&apos;t use the same number too.</source>
        <translation>Comprueba que has escrito números entre 6 y 49.
Tampoco puedes repetir un número.</translation>
    </message>
    <message>
        <source>You&apos;ve got 3 numbers on 6!</source>
        <translation>¡Tienes 3 aciertos de 6!</translation>
    </message>
    <message>
        <source>You&apos;ve got 4 numbers on 6!</source>
        <translation>¡Tienes 4 aciertos de 6!</translation>
    </message>
    <message>
        <source>You&apos;ve got 5 numbers on 6!</source>
        <translation>¡Tienes 5 aciertos de 6!</translation>
    </message>
    <message>
        <source>Oh my god you win the Lotto 6/49!!!</source>
        <translation>¡¡¡Dios mío, has ganado el Lotto 6/49!!!</translation>
    </message>
    <message>
        <source>Oh my god... the car # %1 is crash!</source>
        <translation>Dios mío... ¡el coche n.º&#xa0;%1 se ha estrellado!</translation>
    </message>
    <message>
        <source>Watch out! %1 have been reech by %2</source>
        <translation>¡Cuidado! El %2 ha alcanzado al %1</translation>
    </message>
    <message>
        <source>%1 is taking the lead!!</source>
        <translation>¡¡El %1 se pone en cabeza!!</translation>
    </message>
    <message>
        <source>%1 is taking the lead!! Let&apos;s hope he will not crash!</source>
        <translation>¡¡El %1 se pone en cabeza!! ¡Esperemos que no se estrelle!</translation>
    </message>
    <message>
        <source>%1 is taking a good lead!! Check this out!! Is going for the big one!</source>
        <translation>¡¡El %1 saca una buena ventaja!! ¡¡Fíjate!! ¡Va a por la victoria!</translation>
    </message>
    <message>
        <source>Well this race is very close!! Action at is best!</source>
        <translation>¡¡Esta carrera está muy reñida!! ¡Emoción en estado puro!</translation>
    </message>
    <message>
        <source>This race was HOT!!! What an ending!!</source>
        <translation>¡¡¡Esta carrera ha sido de INFARTO!!! ¡¡Qué final!!</translation>
    </message>
    <message>
        <source>Ouff!! That was close!! Good race guys!!</source>
        <translation>¡¡Uf!! ¡¡Por muy poco!! ¡¡Buena carrera, chicos!!</translation>
    </message>
    <message>
        <source>This race have been close, but the winner have work hard to win!</source>
        <translation>Esta carrera ha estado reñida, ¡pero el ganador ha luchado duro por la victoria!</translation>
    </message>
    <message>
        <source>This race is a complet domination by %1</source>
        <translation>El %1 ha dominado esta carrera de principio a fin</translation>
    </message>
    <message>
        <source>The car # %1</source>
        <translation>coche n.º&#xa0;%1</translation>
    </message>
    <message>
        <source>You have to bet on one car!</source>
        <translation>¡Tienes que apostar por un coche!</translation>
    </message>
    <message>
        <source>You have to bet some money to play!</source>
        <translation>¡Tienes que apostar dinero para jugar!</translation>
    </message>
    <message>
        <source>You must bet!</source>
        <translation>¡Tienes que apostar!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough money to bet this!</source>
        <translation>¡No tienes suficiente dinero para apostar tanto!</translation>
    </message>
    <message>
        <source>You car win is the winner!</source>
        <translation>¡Tu coche ha ganado!</translation>
    </message>
    <message>
        <source>Welcome! This is a live coverage of today&apos;s race</source>
        <translation>¡Bienvenidos! Esta es la retransmisión en directo de la carrera de hoy</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>All cars are curently racing</source>
        <translation>Todos los coches están en carrera</translation>
    </message>
    <message>
        <source>You must enter a valid bet.</source>
        <translation>Tienes que introducir una apuesta válida.</translation>
    </message>
    <message>
        <source>You don&apos;t have enought money to play</source>
        <translation>No tienes suficiente dinero para jugar</translation>
    </message>
    <message>
        <source>Sorry but an other admin buy beers for you.
I can&apos;t do this job while he do this.</source>
        <translation>Lo siento, pero otro administrador ya te compra las cervezas.
No puedo hacer este trabajo mientras lo hace él.</translation>
    </message>
    <message>
        <source>I can&apos;t refund less than 1$...</source>
        <translation>No puedo devolver menos de 1&#xa0;$...</translation>
    </message>
    <message>
        <source>You can&apos;t refund more than you have...</source>
        <translation>No puedes devolver más de lo que tienes...</translation>
    </message>
    <message>
        <source>Unexpected error #82... contact me:
%1</source>
        <translation>Error inesperado #82... escríbeme:
%1</translation>
    </message>
    <message>
        <source>Unexpected error #12
Contact me plz: %1</source>
        <translation>Error inesperado #12
Escríbeme, por favor: %1</translation>
    </message>
    <message>
        <source>Sorry but I can&apos;t buy all this tickets for a week...</source>
        <translation>Lo siento, pero no puedo comprar tantos boletos en una semana...</translation>
    </message>
    <message>
        <source>Do you want to fire this employe?</source>
        <translation>¿Quieres despedir a este empleado?</translation>
    </message>
    <message>
        <source>Fire this employe?</source>
        <translation>¿Despedir a este empleado?</translation>
    </message>
    <message>
        <source>Hi, I&apos;m ned! I&apos;ve always been a lucky man...
So I can manage your lottery tickets for you.
-----
Staff ID: #001</source>
        <translation>¡Hola, soy Ned! Siempre he tenido suerte...
Así que puedo encargarme de tus boletos de lotería.
-----
N.º de empleado: #001</translation>
    </message>
    <message>
        <source>Hi there, here&apos;s what I can do for you

- Manage your beers stock
- Manage your lottery tickets
-----
Staff ID: #002</source>
        <translation>Hola, esto es lo que puedo hacer por ti:

- Gestionar tus existencias de cerveza
- Gestionar tus boletos de lotería
-----
N.º de empleado: #002</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
beers stock? I can help with that!
-----
Staff ID: #003</source>
        <translation>¡Hola! ¿No tienes tiempo para gestionar tus
existencias de cerveza? ¡Yo te ayudo!
-----
N.º de empleado: #003</translation>
    </message>
    <message>
        <source>Hi! You don&apos;t have time to manage your
loans and investments? I can help you!
-----
Staff ID: #004</source>
        <translation>¡Hola! ¿No tienes tiempo para gestionar tus
préstamos e inversiones? ¡Yo te ayudo!
-----
N.º de empleado: #004</translation>
    </message>
    <message>
        <source>Error #7

Unexpected value... huh? Please contact me:
%1</source>
        <translation>Error #7

Valor inesperado... ¿eh? Escríbeme, por favor:
%1</translation>
    </message>
    <message>
        <source>You can&apos;t hire this person now.</source>
        <translation>Ahora no puedes contratar a esta persona.</translation>
    </message>
    <message>
        <source>Welcome to -=Invest Bank=-</source>
        <translation>Bienvenidos al -=Invest Bank=-</translation>
    </message>
    <message>
        <source>Become a new member for 1000$</source>
        <translation>Hazte socio por 1000&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Años transcurridos:</translation>
    </message>
    <message>
        <source>Interest Rate infos</source>
        <translation>Tipos de interés</translation>
    </message>
    <message>
        <source>Long term investment</source>
        <translation>Inversión a largo plazo</translation>
    </message>
    <message>
        <source>5 years investment: 10% per year</source>
        <translation>Inversión a 5 años: 10&#xa0;% anual</translation>
    </message>
    <message>
        <source>10 years investment: 25% per year</source>
        <translation>Inversión a 10 años: 25&#xa0;% anual</translation>
    </message>
    <message>
        <source>Loan interest</source>
        <translation>Intereses de los préstamos</translation>
    </message>
    <message>
        <source>25% interest per year</source>
        <translation>25&#xa0;% de interés anual</translation>
    </message>
    <message>
        <source>German Bank - The Power of your economy</source>
        <translation>German Bank - La fuerza de tu economía</translation>
    </message>
    <message>
        <source>Become a new member for 3500$</source>
        <translation>Hazte socio por 3500&#xa0;$</translation>
    </message>
    <message>
        <source>Number of years completed:</source>
        <translation>Años completados:</translation>
    </message>
    <message>
        <source>Service Information</source>
        <translation>Nuestros servicios</translation>
    </message>
    <message>
        <source>15 years investment: 30% per year</source>
        <translation>Inversión a 15 años: 30&#xa0;% anual</translation>
    </message>
    <message>
        <source>25 years investment: 35% per year</source>
        <translation>Inversión a 25 años: 35&#xa0;% anual</translation>
    </message>
    <message>
        <source>Insurance Informations</source>
        <translation>Nuestros seguros</translation>
    </message>
    <message>
        <source>Fire insurance: 1000$ / years</source>
        <translation>Seguro contra incendios: 1000&#xa0;$ al año</translation>
    </message>
    <message>
        <source>Stole insurance: 800$ / years</source>
        <translation>Seguro contra robo: 800&#xa0;$ al año</translation>
    </message>
    <message>
        <source>China Cash - The easy way to get money</source>
        <translation>China Cash - La forma fácil de conseguir dinero</translation>
    </message>
    <message>
        <source>Become a new member for 8000$</source>
        <translation>Hazte socio por 8000&#xa0;$</translation>
    </message>
    <message>
        <source>Services Informations</source>
        <translation>Nuestros servicios</translation>
    </message>
    <message>
        <source>30% interest per year</source>
        <translation>30&#xa0;% de interés anual</translation>
    </message>
    <message>
        <source>No web browser could be started. The address is:
</source>
        <translation>No se ha podido abrir ningún navegador web. La dirección es:
</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Save game error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Guardar la partida</translation>
    </message>
    <message>
        <source>Save Files (*.sav)|*.sav|All Files (*.txt)|*.*</source>
        <translation>Partidas guardadas (*.sav)|*.sav|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Load a game</source>
        <translation>Cargar una partida</translation>
    </message>
    <message>
        <source>Save Game (*.sav)|*.sav|All File (*.*)|*.*</source>
        <translation>Partidas guardadas (*.sav)|*.sav|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>The version of your save game is older... restart a new game.</source>
        <translation>Tu partida guardada es de una versión anterior... empieza una nueva partida.</translation>
    </message>
    <message>
        <source>%1 years old</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>%1$/month</source>
        <translation>%1&#xa0;$/mes</translation>
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
        <translation>- Racing Money (apuesta en carreras de
  coches para ganar dinero)

- Recibes mensajes en tu cuadro de
  mensajes

- Ahora puedes abrir o cerrar tu bar

- En la ventana Información ves las
  estadísticas de tus bares (visitantes
  y beneficio)

- El agente judicial paga al banco si tu
  préstamo es demasiado grande

- Gran reescritura del código (compra de
  bares, de bebidas, etc.)

- Nuevas interfaces en algunas ventanas
  (Bebidas, Información y la principal)

- El centro de actualizaciones pasa a
  ser el Centro de Internet

- ¡Algunos errores corregidos!

- Algunas mejoras</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>tavo::ui::BankForm</name>
    <message>
        <source>You&apos;re not a member</source>
        <translation>No eres socio</translation>
    </message>
    <message>
        <source>Your status:</source>
        <translation>Tu situación:</translation>
    </message>
    <message>
        <source>Become a member</source>
        <translation>Hacerse socio</translation>
    </message>
    <message>
        <source>Make an Investment</source>
        <translation>Hacer una inversión</translation>
    </message>
    <message>
        <source>Investment refund</source>
        <translation>Recuperar la inversión</translation>
    </message>
    <message>
        <source>Borrow money</source>
        <translation>Pedir un préstamo</translation>
    </message>
    <message>
        <source>Refund the loan</source>
        <translation>Devolver el préstamo</translation>
    </message>
    <message>
        <source>Buy Insurance</source>
        <translation>Contratar un seguro</translation>
    </message>
    <message>
        <source>Sell insurance</source>
        <translation>Cancelar un seguro</translation>
    </message>
    <message>
        <source>Acount</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>You&apos;re not a member here</source>
        <translation>Aquí no eres socio</translation>
    </message>
    <message>
        <source>Current investment infos</source>
        <translation>Tu inversión actual</translation>
    </message>
    <message>
        <source>Number of years left:</source>
        <translation>Años restantes:</translation>
    </message>
    <message>
        <source>Value of your money now:</source>
        <translation>Valor actual de tu dinero:</translation>
    </message>
    <message>
        <source>Current loan infos</source>
        <translation>Tu préstamo actual</translation>
    </message>
    <message>
        <source>Money loan:</source>
        <translation>Importe del préstamo:</translation>
    </message>
    <message>
        <source>Number of years so far done:</source>
        <translation>Años transcurridos:</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Queda por devolver:</translation>
    </message>
    <message>
        <source>Insurance infos</source>
        <translation>Tus seguros</translation>
    </message>
    <message>
        <source>Fire Insurance</source>
        <translation>Seguro contra incendios</translation>
    </message>
    <message>
        <source>Theft Insurance</source>
        <translation>Seguro contra robo</translation>
    </message>
    <message>
        <source> cost</source>
        <translation>: coste</translation>
    </message>
    <message>
        <source>Acount Info</source>
        <translation>Datos de la cuenta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Leave the bank</source>
        <translation>Salir del banco</translation>
    </message>
    <message>
        <source>You&apos;re a member</source>
        <translation>Eres socio</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Dates</name>
    <message>
        <source>Jan</source>
        <translation>ene.</translation>
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
        <translation>abr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may.</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun.</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago.</translation>
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
        <translation>dic.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>the first of a month: day, month&apos;s name, year</comment>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: day, month&apos;s name, year</comment>
        <translation>%1 de %2 de %3</translation>
    </message>
</context>
<context>
    <name>tavo::ui::InvestForm</name>
    <message>
        <source>Investment form</source>
        <translation>Formulario de inversión</translation>
    </message>
    <message>
        <source>Welcome. If you want to make an investment
here, you must know our rules. You can&apos;t
touch your money before the end of your
investment. If you can&apos;t wait and you must
</source>
        <translation>Bienvenido. Si quieres hacer una inversión
aquí, debes conocer nuestras reglas: no
puedes tocar tu dinero antes del final de
tu inversión. Si no puedes esperar y
</translation>
    </message>
    <message>
        <source>
the value your investment.</source>
        <translation>
del valor de tu inversión.</translation>
    </message>
    <message>
        <source>investment. If you can&apos;t wait and you must</source>
        <translation>Bienvenido. Si quieres hacer una inversión</translation>
    </message>
    <message>
        <source>Fill this form:</source>
        <translation>Rellena este formulario:</translation>
    </message>
    <message>
        <source>Number of years</source>
        <translation>Número de años</translation>
    </message>
    <message>
        <source>Money informations</source>
        <translation>Importes</translation>
    </message>
    <message>
        <source>The max you can invest is:</source>
        <translation>Lo máximo que puedes invertir:</translation>
    </message>
    <message>
        <source>How much you want invest:</source>
        <translation>Cuánto quieres invertir:</translation>
    </message>
    <message>
        <source>Total after the investment:</source>
        <translation>Total al final de la inversión:</translation>
    </message>
    <message>
        <source>Invest the money</source>
        <translation>Invertir el dinero</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRefundForm</name>
    <message>
        <source>Refund the loan</source>
        <translation>Devolver el préstamo</translation>
    </message>
    <message>
        <source>How much do you want to refund?</source>
        <translation>¿Cuánto quieres devolver?</translation>
    </message>
    <message>
        <source>Refund</source>
        <translation>Devolver</translation>
    </message>
</context>
<context>
    <name>tavo::ui::LoanRequestForm</name>
    <message>
        <source>Make a loan</source>
        <translation>Pedir un préstamo</translation>
    </message>
    <message>
        <source>Your current loan is:</source>
        <translation>Tu préstamo actual:</translation>
    </message>
    <message>
        <source>Your loan limit is:</source>
        <translation>Tu límite de préstamo:</translation>
    </message>
    <message>
        <source>How much money do you need?</source>
        <translation>¿Cuánto dinero necesitas?</translation>
    </message>
    <message>
        <source>Ask</source>
        <translation>Solicitar</translation>
    </message>
    <message>
        <source>You can pay back the loan every
time you want. Our interest rate is
</source>
        <translation>Puedes devolver el préstamo cuando
quieras. Nuestro tipo de interés es del
</translation>
    </message>
</context>
<context>
    <name>tavo::ui::Outcomes</name>
    <message>
        <source>Game saved as %1.</source>
        <translation>Partida guardada como %1.</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The clock is paused.</source>
        <translation>El tiempo está en pausa.</translation>
    </message>
    <message>
        <source>Speed: %1.</source>
        <translation>Velocidad: %1.</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Ganador de la carrera:</translation>
    </message>
    <message>
        <source>%1 is open.</source>
        <translation>%1 está abierto.</translation>
    </message>
    <message>
        <source>%1 is closed.</source>
        <translation>%1 está cerrado.</translation>
    </message>
    <message>
        <source>%1 works for you now.</source>
        <translation>%1 ya trabaja para ti.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>Ticket bought: %1.</source>
        <translation>Boleto comprado: %1.</translation>
    </message>
    <message>
        <source>%1: you win %2$.</source>
        <translation>%1: ganas %2$.</translation>
    </message>
    <message>
        <source>%1: you lose %2$.</source>
        <translation>%1: pierdes %2$.</translation>
    </message>
    <message>
        <source>Insured against fire and theft.</source>
        <translation>Asegurado contra incendios y robo.</translation>
    </message>
    <message>
        <source>Insured against fire.</source>
        <translation>Asegurado contra incendios.</translation>
    </message>
    <message>
        <source>Insured against theft.</source>
        <translation>Asegurado contra robo.</translation>
    </message>
    <message>
        <source>No insurance held now.</source>
        <translation>Ya no tienes ningún seguro.</translation>
    </message>
    <message>
        <source>Drinks ordered for %1$. Your money: %2$.</source>
        <translation>Bebidas pedidas por %1$. Tu dinero: %2$.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de Tavo</translation>
    </message>
    <message>
        <source>Tavo</source>
        <translation>Tavo</translation>
    </message>
    <message>
        <source>Version 0.4.1 alpha</source>
        <translation>Versión 0.4.1 alfa</translation>
    </message>
    <message>
        <source>Written, drawn and tested by the Tavo team.</source>
        <translation>Escrito, dibujado y probado por el equipo de Tavo.</translation>
    </message>
    <message>
        <source>E-mail me at:</source>
        <translation>Escríbeme a:</translation>
    </message>
    <message>
        <source>Thanks to every player who sent an idea or a bug.</source>
        <translation>Gracias a todos los jugadores que han enviado una idea o avisado de un fallo.</translation>
    </message>
    <message>
        <source>Visit the official web site:</source>
        <translation>Visita la web oficial:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TAdminViewForm</name>
    <message>
        <source>Setting for your employe</source>
        <translation>Ajustes de tu empleado</translation>
    </message>
    <message>
        <source>Set your administrator</source>
        <translation>Tareas de tu administrador</translation>
    </message>
    <message>
        <source>I can buy you</source>
        <translation>Puedo comprarte</translation>
    </message>
    <message>
        <source>tickets per week for</source>
        <translation>boletos por semana a</translation>
    </message>
    <message>
        <source>How many tickets/week do you want?</source>
        <translation>¿Cuántos boletos por semana quieres?</translation>
    </message>
    <message>
        <source>I will buy drinks each time your stock is low.</source>
        <translation>Compraré bebidas cada vez que tus existencias estén bajas.</translation>
    </message>
    <message>
        <source>How many drinks you want me to buy?</source>
        <translation>¿Cuántas bebidas quieres que compre?</translation>
    </message>
    <message>
        <source>I will refund your loan if you have enough money.</source>
        <translation>Devolveré tu préstamo si tienes suficiente dinero.</translation>
    </message>
    <message>
        <source>I&apos;ll refund when you have more than this</source>
        <translation>Devolveré cuando tengas más de esta cantidad</translation>
    </message>
    <message>
        <source>When you have enough money, i&apos;ll refund this</source>
        <translation>Cuando tengas suficiente dinero, devolveré esta cantidad</translation>
    </message>
    <message>
        <source>Refund when I have more than</source>
        <translation>Devolver cuando tenga más de</translation>
    </message>
    <message>
        <source>How much I refund?</source>
        <translation>¿Cuánto devuelvo?</translation>
    </message>
    <message>
        <source>&amp;Close &amp;&amp; Save</source>
        <translation>&amp;Guardar y cerrar</translation>
    </message>
    <message>
        <source>Save the setting</source>
        <translation>Guardar los ajustes</translation>
    </message>
    <message>
        <source>&amp;Fire</source>
        <translation>&amp;Despedir</translation>
    </message>
    <message>
        <source>Fire this employe</source>
        <translation>Despedir a este empleado</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBanksForm</name>
    <message>
        <source>Choose a bank</source>
        <translation>Elige un banco</translation>
    </message>
    <message>
        <source>Canadian banks</source>
        <translation>Bancos canadienses</translation>
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
        <translation>Bancos europeos</translation>
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
        <translation>Entrar en el banco</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TBarSetupForm</name>
    <message>
        <source>Setup of the new bar</source>
        <translation>Configuración del nuevo bar</translation>
    </message>
    <message>
        <source>Name of the bar:</source>
        <translation>Nombre del bar:</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternativa</translation>
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
        <translation>Más info</translation>
    </message>
    <message>
        <source>Type of bar</source>
        <translation>Tipo de bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Popular</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>De lujo</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Rave Class</source>
        <translation>Rave</translation>
    </message>
    <message>
        <source>This bar is located in a small street of the city, your clients are poor.</source>
        <translation>Este bar está en una callejuela de la ciudad, tus clientes son pobres.</translation>
    </message>
    <message>
        <source>Entry price?</source>
        <translation>¿Precio de entrada?</translation>
    </message>
    <message>
        <source>Money before the sale:</source>
        <translation>Dinero antes de la compra:</translation>
    </message>
    <message>
        <source>Money after the sale:</source>
        <translation>Dinero después de la compra:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter the name of your bar</source>
        <translation>Escribe el nombre de tu bar</translation>
    </message>
    <message>
        <source>Low Class Bar</source>
        <translation>Bar popular</translation>
    </message>
    <message>
        <source>High Class Bar</source>
        <translation>Bar de lujo</translation>
    </message>
    <message>
        <source>Dark Class Bar</source>
        <translation>Bar oscuro</translation>
    </message>
    <message>
        <source>Rave Class Bar</source>
        <translation>Bar rave</translation>
    </message>
    <message>
        <source>You must choose at lease one type of music</source>
        <translation>Tienes que elegir al menos un estilo de música</translation>
    </message>
    <message>
        <source>This bar is located in a famous street of the city, your clients are rich and affluent.</source>
        <translation>Este bar está en una calle famosa de la ciudad, tus clientes son ricos y adinerados.</translation>
    </message>
    <message>
        <source>This bar is located in a dark part of the city, your clients are strange, mysterious and weird people.</source>
        <translation>Este bar está en una zona oscura de la ciudad, tus clientes son gente extraña, misteriosa y rara.</translation>
    </message>
    <message>
        <source>This bar is located in an old building, there is a lot of empty space to dance.</source>
        <translation>Este bar está en un edificio antiguo, hay mucho espacio libre para bailar.</translation>
    </message>
    <message>
        <source>The type of music you play goes with the location of the bar and the clients of your bar,
 if you put the wrong type of music with the bar,
 people won&apos;t come.</source>
        <translation>El estilo de música que pones tiene que ir con la ubicación y los clientes de tu bar:
 si pones la música equivocada en el bar,
 la gente no vendrá.</translation>
    </message>
    <message>
        <source>Music: More</source>
        <translation>Música: Más</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDisasFireForm</name>
    <message>
        <source>Fire!</source>
        <translation>¡Fuego!</translation>
    </message>
    <message>
        <source>You wasn&apos;t insured</source>
        <translation>No tenías seguro</translation>
    </message>
    <message>
        <source>You was insured </source>
        <translation>Tenías seguro </translation>
    </message>
    <message>
        <source>You must pay: </source>
        <translation>Tienes que pagar: </translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TDrinkForm</name>
    <message>
        <source>Order drinks for your bars</source>
        <translation>Pedir bebidas para tus bares</translation>
    </message>
    <message>
        <source>Choose the bar you want to order drinks:</source>
        <translation>Elige el bar para el que quieres pedir bebidas:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Clients /  Day:</source>
        <translation>Clientes al día:</translation>
    </message>
    <message>
        <source>Choose the drink you want to order:</source>
        <translation>Elige la bebida que quieres pedir:</translation>
    </message>
    <message>
        <source>Drink Informations</source>
        <translation>Datos de la bebida</translation>
    </message>
    <message>
        <source>Retail Price:</source>
        <translation>Precio en tienda:</translation>
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
        <translation>Tu pedido</translation>
    </message>
    <message>
        <source>I use this drink in this bar</source>
        <translation>Sirvo esta bebida en este bar</translation>
    </message>
    <message>
        <source>Qty left in this bar</source>
        <translation>Cantidad que queda en este bar</translation>
    </message>
    <message>
        <source>Qty you want to buy</source>
        <translation>Cantidad que quieres comprar</translation>
    </message>
    <message>
        <source>Your Price</source>
        <translation>Tu precio</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Beneficio</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Pedir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Add a drink</source>
        <translation>Añadir una &amp;bebida</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>All your bars</source>
        <translation>Todos tus bares</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>Beer Information</source>
        <translation>Datos de la cerveza</translation>
    </message>
    <message>
        <source>Shooter Information</source>
        <translation>Datos del chupito</translation>
    </message>
    <message>
        <source>In the next release!</source>
        <translation>¡En la próxima versión!</translation>
    </message>
    <message>
        <source>How to buy drinks?
1- Choose the bar you want to order drinks
2- Choose the drink you want to order
3- Enter a price and a qty and order.</source>
        <translation>¿Cómo se compran bebidas?
1- Elige el bar para el que quieres pedir
2- Elige la bebida que quieres pedir
3- Escribe un precio y una cantidad, y haz el pedido.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TFinanceForm</name>
    <message>
        <source>Finances</source>
        <translation>Finanzas</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <translation>&amp;Dinero</translation>
    </message>
    <message>
        <source>&amp;Profit of each bar</source>
        <translation>&amp;Beneficio de cada bar</translation>
    </message>
    <message>
        <source>&amp;Visitors of each bar</source>
        <translation>&amp;Visitantes de cada bar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Money ($)</source>
        <translation>Dinero ($)</translation>
    </message>
    <message>
        <source>No month has ended yet in this game: the charts fill in at each month&apos;s end.</source>
        <translation>Todavía no ha terminado ningún mes en esta partida: los gráficos se completan al final de cada mes.</translation>
    </message>
    <message>
        <source>Month by month from %1 to %2: the money at each month&apos;s end, and each bar&apos;s profit and visitors.</source>
        <translation>Mes a mes, de %1 a %2: el dinero al final de cada mes, y el beneficio y los visitantes de cada bar.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TGameForm</name>
    <message>
        <source>Tavo Alpha</source>
        <translation>Tavo Alfa</translation>
    </message>
    <message>
        <source>Bar stock info.</source>
        <translation>Existencias del bar</translation>
    </message>
    <message>
        <source>Stay on this bar</source>
        <translation>Quedarse en este bar</translation>
    </message>
    <message>
        <source>See the next bar now</source>
        <translation>Ver ya el siguiente bar</translation>
    </message>
    <message>
        <source>Misc info.</source>
        <translation>Otros datos</translation>
    </message>
    <message>
        <source>Lottery tickets buy:</source>
        <translation>Boletos de lotería comprados:</translation>
    </message>
    <message>
        <source>Number of lottery tickets bought by your admin.</source>
        <translation>Número de boletos de lotería comprados por tu administrador.</translation>
    </message>
    <message>
        <source>Clients in your bar:</source>
        <translation>Clientes en tu bar:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Your messages box:</source>
        <translation>Tus mensajes:</translation>
    </message>
    <message>
        <source>&amp;Visit the website</source>
        <translation>&amp;Visitar la web</translation>
    </message>
    <message>
        <source>Debug Menu</source>
        <translation>Menú de depuración</translation>
    </message>
    <message>
        <source>Set Clock speed</source>
        <translation>Ajustar la velocidad</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fuego</translation>
    </message>
    <message>
        <source>Set one of your bar in fire</source>
        <translation>Prender fuego a uno de tus bares</translation>
    </message>
    <message>
        <source>Add money</source>
        <translation>Añadir dinero</translation>
    </message>
    <message>
        <source>Clock speed</source>
        <translation>Velocidad del reloj</translation>
    </message>
    <message>
        <source>Money to add</source>
        <translation>Dinero que añadir</translation>
    </message>
    <message>
        <source>Week day:</source>
        <translation>Día de la semana:</translation>
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
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápido</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>C&amp;onfiguración</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>V&amp;iew your info</source>
        <translation>Ver tu &amp;información</translation>
    </message>
    <message>
        <source>&amp;Buy drinks</source>
        <translation>Comprar &amp;bebidas</translation>
    </message>
    <message>
        <source>B&amp;uy a bar</source>
        <translation>Comprar un b&amp;ar</translation>
    </message>
    <message>
        <source>&amp;Promote your bar</source>
        <translation>&amp;Promocionar tu bar</translation>
    </message>
    <message>
        <source>&amp;Finances</source>
        <translation>&amp;Finanzas</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>Visitar el ba&amp;nco</translation>
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
        <translation>&amp;Gestionar el personal</translation>
    </message>
    <message>
        <source>&amp;Hire staff</source>
        <translation>&amp;Contratar personal</translation>
    </message>
    <message>
        <source>Vi&amp;ew your staff</source>
        <translation>&amp;Ver tu personal</translation>
    </message>
    <message>
        <source>&amp;Lottery Center</source>
        <translation>Centro de &amp;lotería</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Internet Center</source>
        <translation>Centro de &amp;Internet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Tavo</translation>
    </message>
    <message>
        <source>C&amp;lear this message</source>
        <translation>&amp;Borrar este mensaje</translation>
    </message>
    <message>
        <source>&amp;Clear all messages</source>
        <translation>Borrar &amp;todos los mensajes</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Save your game</source>
        <translation>Guardar la partida</translation>
    </message>
    <message>
        <source>Open a save game</source>
        <translation>Abrir una partida guardada</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Quit the game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>Set the speed of the game</source>
        <translation>Ajustar la velocidad del juego</translation>
    </message>
    <message>
        <source>View your informations</source>
        <translation>Ver tu información</translation>
    </message>
    <message>
        <source>Buy drinks</source>
        <translation>Comprar bebidas</translation>
    </message>
    <message>
        <source>Buy a bar</source>
        <translation>Comprar un bar</translation>
    </message>
    <message>
        <source>Promote your bar</source>
        <translation>Promocionar tu bar</translation>
    </message>
    <message>
        <source>Finances month by month</source>
        <translation>Finanzas mes a mes</translation>
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
        <translation>Visitar el banco</translation>
    </message>
    <message>
        <source>&amp;Hire Staff</source>
        <translation>&amp;Contratar personal</translation>
    </message>
    <message>
        <source>&amp;View Staff</source>
        <translation>&amp;Ver el personal</translation>
    </message>
    <message>
        <source>Manage your staff</source>
        <translation>Gestionar tu personal</translation>
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
        <translation>Centro de lotería</translation>
    </message>
    <message>
        <source>Visit the Internet Center</source>
        <translation>Visitar el Centro de Internet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Tavo</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Error #3
¡Error!</translation>
    </message>
    <message>
        <source>Error #3
Error opening file!</source>
        <translation>Error #3
¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>You really want to quit ?</source>
        <translation>¿De verdad quieres salir?</translation>
    </message>
    <message>
        <source>Do you want to save the game before leaving?</source>
        <translation>¿Quieres guardar la partida antes de salir?</translation>
    </message>
    <message>
        <source>Save your game?</source>
        <translation>¿Guardar la partida?</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>¿Quieres empezar una nueva partida?</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>¿Empezar una nueva partida?</translation>
    </message>
    <message>
        <source>Next bar</source>
        <translation>Bar siguiente</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TGermInsuForm</name>
    <message>
        <source>Buy an insurance</source>
        <translation>Contratar un seguro</translation>
    </message>
    <message>
        <source>Read our contract before sign up</source>
        <translation>Lee nuestro contrato antes de firmar</translation>
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
        <translation>El seguro contra incendios cubre
todo tu bar. Si un incendio destruye
tu bar, recibirás el valor del bar
más 15&#xa0;000&#xa0;$. Si el bar se quema y
la investigación policial revela
que tienes relación con alguna
banda mafiosa, tu contrato queda
anulado y lo pierdes todo. El
seguro cuesta 1000&#xa0;$ al mes.</translation>
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
        <translation>El seguro contra robo cubre todo
tu bar. Si hay un robo en uno de
tus bares, recibirás el 90&#xa0;% del
valor robado. Si la investigación
policial revela que tienes relación
con alguna banda mafiosa, tu
contrato queda anulado y lo pierdes
todo. El seguro cuesta 800&#xa0;$ al
mes.</translation>
    </message>
    <message>
        <source>Fire insurace</source>
        <translation>Seguro contra incendios</translation>
    </message>
    <message>
        <source>Theft insurace</source>
        <translation>Seguro contra robo</translation>
    </message>
    <message>
        <source>Check the box if you want:</source>
        <translation>Marca la casilla si lo quieres:</translation>
    </message>
    <message>
        <source> contract</source>
        <translation>: contrato</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Firmar</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::THireStaffForm</name>
    <message>
        <source>Hire Staff for you bars</source>
        <translation>Contratar personal para tus bares</translation>
    </message>
    <message>
        <source>Hire staff for your bars</source>
        <translation>Contratar personal para tus bares</translation>
    </message>
    <message>
        <source>lottery tickets and take care of your investments and loans.</source>
        <translation>boletos de lotería y ocuparse de tus inversiones y préstamos.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Sueldo</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Administradores</translation>
    </message>
    <message>
        <source>&amp;Hire</source>
        <translation>&amp;Contratar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>An administrator can do many things for you! He can buy beers,</source>
        <translation>¡Un administrador puede hacer muchas cosas por ti! Puede comprar cervezas,</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInfoForm</name>
    <message>
        <source>Informations</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The Owner&apos;s Name</source>
        <translation>Nombre del propietario</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Hombre de negocios</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Tipo guay</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>La mujer</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Money left to refund:</source>
        <translation>Queda por devolver:</translation>
    </message>
    <message>
        <source>Payments/month:</source>
        <translation>Pagos al mes:</translation>
    </message>
    <message>
        <source>Taxes/month:</source>
        <translation>Impuestos al mes:</translation>
    </message>
    <message>
        <source>The Bar&apos;s Name</source>
        <translation>Nombre del bar</translation>
    </message>
    <message>
        <source>Low Class</source>
        <translation>Popular</translation>
    </message>
    <message>
        <source>High Class</source>
        <translation>De lujo</translation>
    </message>
    <message>
        <source>Dark Class</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Rave Class</source>
        <translation>Rave</translation>
    </message>
    <message>
        <source>Alternative</source>
        <translation>Alternativa</translation>
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
        <translation>Máx. de clientes:</translation>
    </message>
    <message>
        <source>Peak clients:</source>
        <translation>Récord de clientes:</translation>
    </message>
    <message>
        <source>Status of you bar</source>
        <translation>Estado de tu bar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ca&amp;mbiar</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Fijar</translation>
    </message>
    <message>
        <source>Entry Price:</source>
        <translation>Precio de entrada:</translation>
    </message>
    <message>
        <source>Profit this month:</source>
        <translation>Beneficio este mes:</translation>
    </message>
    <message>
        <source>Visitors this month:</source>
        <translation>Visitantes este mes:</translation>
    </message>
    <message>
        <source>Profit last month:</source>
        <translation>Beneficio el mes pasado:</translation>
    </message>
    <message>
        <source>Visitors last month:</source>
        <translation>Visitantes el mes pasado:</translation>
    </message>
    <message>
        <source>Lottery profit:</source>
        <translation>Beneficio en la lotería:</translation>
    </message>
    <message>
        <source>Beers Stock</source>
        <translation>Existencias de cerveza</translation>
    </message>
    <message>
        <source>Your bars:</source>
        <translation>Tus bares:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abierto</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TInternetCenterForm</name>
    <message>
        <source>Internet Center</source>
        <translation>Centro de Internet</translation>
    </message>
    <message>
        <source>The latest version of Tavo</source>
        <translation>La última versión de Tavo</translation>
    </message>
    <message>
        <source>The news of Tavo</source>
        <translation>Las noticias de Tavo</translation>
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
        <translation>Cada semana puedes ganar a lo grande con el Lotto 6/49</translation>
    </message>
    <message>
        <source>Ticket&apos;s price: 250$</source>
        <translation>Precio del boleto: 250&#xa0;$</translation>
    </message>
    <message>
        <source>Current jackpot:</source>
        <translation>Bote actual:</translation>
    </message>
    <message>
        <source>Your ticket numbers </source>
        <translation>Los números de tu boleto </translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Número %1</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Buy this ticket</source>
        <translation>Comprar este boleto</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMainForm</name>
    <message>
        <source>Start a new game</source>
        <translation>Empezar una nueva partida</translation>
    </message>
    <message>
        <source>Load a saved game</source>
        <translation>Cargar una partida guardada</translation>
    </message>
    <message>
        <source>Error #02
Unable to complet LoadTheFile.</source>
        <translation>Error #02
No se ha podido completar LoadTheFile.</translation>
    </message>
    <message>
        <source>Oups...</source>
        <translation>Uy...</translation>
    </message>
    <message>
        <source>Error #3
Error!</source>
        <translation>Error #3
¡Error!</translation>
    </message>
    <message>
        <source>Error #02
You must re-install the game.
The bars list file is not found!</source>
        <translation>Error #02
Tienes que reinstalar el juego.
¡No se encuentra el archivo de la lista de bares!</translation>
    </message>
    <message>
        <source>Error #03
You must re-install the game.
The drinks list file is not found</source>
        <translation>Error #03
Tienes que reinstalar el juego.
No se encuentra el archivo de la lista de bebidas</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TMapForm</name>
    <message>
        <source>Choose a bar to buy</source>
        <translation>Elige un bar para comprar</translation>
    </message>
    <message>
        <source>Town map</source>
        <translation>Plano de la ciudad</translation>
    </message>
    <message>
        <source>Each pin is a bar of the list beside it</source>
        <translation>Cada chincheta es un bar de la lista de al lado</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <source>Average clients/day:</source>
        <translation>Media de clientes al día:</translation>
    </message>
    <message>
        <source>Maximum clients in bar:</source>
        <translation>Máximo de clientes en el bar:</translation>
    </message>
    <message>
        <source>Cost per month:</source>
        <translation>Coste al mes:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propietario:</translation>
    </message>
    <message>
        <source>&amp;Buy the bar</source>
        <translation>&amp;Comprar el bar</translation>
    </message>
    <message>
        <source>&amp;Sell the bar</source>
        <translation>&amp;Vender el bar</translation>
    </message>
    <message>
        <source>&amp;Visit the bank</source>
        <translation>Ir al &amp;banco</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>This bar is not owned</source>
        <translation>Este bar no tiene propietario</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TNewCarForm</name>
    <message>
        <source>Create a new character</source>
        <translation>Crear un nuevo personaje</translation>
    </message>
    <message>
        <source>Owner&apos;s name:</source>
        <translation>Nombre del propietario:</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>¿Quién eres?</translation>
    </message>
    <message>
        <source>Business man</source>
        <translation>Hombre de negocios</translation>
    </message>
    <message>
        <source>Cool Dude</source>
        <translation>Tipo guay</translation>
    </message>
    <message>
        <source>The Woman</source>
        <translation>La mujer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Your profile</source>
        <translation>Tu perfil</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más info</translation>
    </message>
    <message>
        <source>If you need more info</source>
        <translation>Si quieres saber más</translation>
    </message>
    <message>
        <source>Credibility:</source>
        <translation>Credibilidad:</translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation>Conocimiento:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Dinero:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter the owner&apos;s name</source>
        <translation>Escribe el nombre del propietario</translation>
    </message>
    <message>
        <source>The business man</source>
        <translation>El hombre de negocios</translation>
    </message>
    <message>
        <source>The cool dude</source>
        <translation>El tipo guay</translation>
    </message>
    <message>
        <source>The woman</source>
        <translation>La mujer</translation>
    </message>
    <message>
        <source>The business man is a powerful person and he has many contacts in the financial industry.
 He doesn&apos;t know very much about bars.</source>
        <translation>El hombre de negocios es una persona poderosa y tiene muchos contactos en el mundo de las finanzas.
 No sabe gran cosa de bares.</translation>
    </message>
    <message>
        <source>The cool dude knows everything to know about bars,
but he doesn&apos;t have much credibility with the bank managers.</source>
        <translation>El tipo guay sabe todo lo que hay que saber sobre bares,
pero no tiene mucha credibilidad ante los directores de banco.</translation>
    </message>
    <message>
        <source>The higher your knowledge, the higher the number of clients that will visit your bar(s).</source>
        <translation>Cuanto mayor sea tu conocimiento, más clientes visitarán tu bar o tus bares.</translation>
    </message>
    <message>
        <source>The woman isn&apos;t the best in the bar industry,
 but she can do great things.</source>
        <translation>La mujer no es la mejor en el negocio de los bares,
 pero puede hacer grandes cosas.</translation>
    </message>
    <message>
        <source>The higher your credibility becomes, the more you can borrow from your different banks.</source>
        <translation>Cuanto más crece tu credibilidad, más dinero puedes pedir prestado a tus bancos.</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPassForm</name>
    <message>
        <source>Password Check</source>
        <translation>Comprobación de la contraseña</translation>
    </message>
    <message>
        <source>Debug Center</source>
        <translation>Centro de depuración</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Escribe tu contraseña</translation>
    </message>
    <message>
        <source>Acces Status</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Valid</source>
        <translation>Validar</translation>
    </message>
    <message>
        <source>Granted</source>
        <translation>Concedido</translation>
    </message>
    <message>
        <source>Denied</source>
        <translation>Denegado</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPopupForm</name>
    <message>
        <source>What&apos;s new?</source>
        <translation>¿Qué hay de nuevo?</translation>
    </message>
    <message>
        <source>What&apos;s new on this version:</source>
        <translation>Novedades de esta versión:</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>segundos restantes</translation>
    </message>
    <message>
        <source>Show this at startup</source>
        <translation>Mostrar al iniciar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>An error happen when I try to write on the disk</source>
        <translation>Se ha producido un error al escribir en el disco</translation>
    </message>
    <message>
        <source>Disk error</source>
        <translation>Error de disco</translation>
    </message>
    <message>
        <source>This window can close in 1 second.</source>
        <translation>Esta ventana podrá cerrarse en 1 segundo.</translation>
    </message>
    <message>
        <source>This window can close in %1 seconds.</source>
        <translation>Esta ventana podrá cerrarse en %1 segundos.</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>queda 1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>quedan %1 segundos</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TPromoteForm</name>
    <message>
        <source>Promote your bar</source>
        <translation>Promocionar tu bar</translation>
    </message>
    <message>
        <source>You&apos;re looking for more clients in your bar?</source>
        <translation>¿Buscas más clientes para tu bar?</translation>
    </message>
    <message>
        <source>Choose the bar to be promoted</source>
        <translation>Elige el bar que quieres promocionar</translation>
    </message>
    <message>
        <source>Where do you want to be promoted:</source>
        <translation>Dónde quieres anunciarte:</translation>
    </message>
    <message>
        <source>Newspaper pub           [  5 000$]</source>
        <translation>Anuncio en el periódico [  5000&#xa0;$]</translation>
    </message>
    <message>
        <source>Radio pub                    [15 000$]</source>
        <translation>Anuncio en la radio [15&#xa0;000&#xa0;$]</translation>
    </message>
    <message>
        <source>Tv pub                         [25 000$]</source>
        <translation>Anuncio en la tele [25&#xa0;000&#xa0;$]</translation>
    </message>
    <message>
        <source>&amp;Promote</source>
        <translation>&amp;Promocionar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TRacingMonForm</name>
    <message>
        <source>Racing Money - The fastest way to win money</source>
        <translation>Racing Money - La forma más rápida de ganar dinero</translation>
    </message>
    <message>
        <source>Choose the car you bet on</source>
        <translation>Elige el coche por el que apuestas</translation>
    </message>
    <message>
        <source>Car 1 (Blue)</source>
        <translation>Coche 1 (azul)</translation>
    </message>
    <message>
        <source>Car 2 (Purple)</source>
        <translation>Coche 2 (morado)</translation>
    </message>
    <message>
        <source>Car 3 (Yellow)</source>
        <translation>Coche 3 (amarillo)</translation>
    </message>
    <message>
        <source>Car 4 (Green)</source>
        <translation>Coche 4 (verde)</translation>
    </message>
    <message>
        <source>How much do you bet?</source>
        <translation>¿Cuánto apuestas?</translation>
    </message>
    <message>
        <source>Bet some money. If you bet 100$, you&apos;ll win 200$</source>
        <translation>Apuesta dinero. Si apuestas 100&#xa0;$, ganarás 200&#xa0;$</translation>
    </message>
    <message>
        <source>You&apos;ll win X2 your bet!</source>
        <translation>¡Ganarás el doble de tu apuesta!</translation>
    </message>
    <message>
        <source>Live coverage of this race</source>
        <translation>Esta carrera en directo</translation>
    </message>
    <message>
        <source>The race winner:</source>
        <translation>Ganador de la carrera:</translation>
    </message>
    <message>
        <source>The current race leader:</source>
        <translation>En cabeza de la carrera:</translation>
    </message>
    <message>
        <source>&amp;Start The Race</source>
        <translation>&amp;Empezar la carrera</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 % of the race run</source>
        <translation>Recorrido: %1&#xa0;% de la carrera</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TSetupForm</name>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>View what&apos;s new at startup</source>
        <translation>Ver las novedades al iniciar</translation>
    </message>
    <message>
        <source>Pause the game while you buy beers</source>
        <translation>Pausar el juego mientras compras cervezas</translation>
    </message>
    <message>
        <source>Close the form after you buy beers</source>
        <translation>Cerrar la ventana después de comprar cervezas</translation>
    </message>
    <message>
        <source>Save the game by itself at each month change</source>
        <translation>Guardar la partida automáticamente en cada cambio de mes</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Your bars list file:</source>
        <translation>Tu archivo de lista de bares:</translation>
    </message>
    <message>
        <source>Your drinks list file:</source>
        <translation>Tu archivo de lista de bebidas:</translation>
    </message>
    <message>
        <source>Path of your bars list file</source>
        <translation>Ruta de tu archivo de lista de bares</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select the bars list file</source>
        <translation>Selecciona el archivo de lista de bares</translation>
    </message>
    <message>
        <source>Bars list file (*.bar)|*.bar</source>
        <translation>Lista de bares (*.bar)|*.bar</translation>
    </message>
    <message>
        <source>Select the drinks list file</source>
        <translation>Selecciona el archivo de lista de bebidas</translation>
    </message>
    <message>
        <source>Drinks List File (*.drk)|*.drk</source>
        <translation>Lista de bebidas (*.drk)|*.drk</translation>
    </message>
    <message>
        <source>Keeps each game&apos;s three newest in the saves folder, autosave-OWNER-TAG-1.sav to -3.sav after its owner, TAG telling the game apart</source>
        <translation>Conserva los tres guardados automáticos más recientes de cada partida en la carpeta saves: de autosave-NOMBRE-MARCA-1.sav a -3.sav, donde NOMBRE es el nombre del propietario y MARCA distingue la partida</translation>
    </message>
    <message>
        <source>The game speaks the language chosen here from its next start</source>
        <translation>El juego hablará el idioma elegido aquí a partir del próximo inicio</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The new language takes effect when Tavo next starts.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicies Tavo.</translation>
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
        <translation>Rodillo %1</translation>
    </message>
    <message>
        <source>&amp;Spin</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>Your bet:</source>
        <translation>Tu apuesta:</translation>
    </message>
    <message>
        <source>1 - 2 - 3 = Your bet X 7</source>
        <translation>1 - 2 - 3 = tu apuesta x 7</translation>
    </message>
    <message>
        <source>2 - 2 - 2 = Your bet X 5</source>
        <translation>2 - 2 - 2 = tu apuesta x 5</translation>
    </message>
    <message>
        <source>3 - 3 - 3 = Your bet X 3</source>
        <translation>3 - 3 - 3 = tu apuesta x 3</translation>
    </message>
    <message>
        <source>1 - 1 - 1 = Your bet X 2</source>
        <translation>1 - 1 - 1 = tu apuesta x 2</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>You win:</source>
        <translation>Ganado:</translation>
    </message>
    <message>
        <source>You lost:</source>
        <translation>Perdido:</translation>
    </message>
</context>
<context>
    <name>tavo::ui::TViewStaffForm</name>
    <message>
        <source>View Staff Informations</source>
        <translation>Información del personal</translation>
    </message>
    <message>
        <source>View informations</source>
        <translation>Ver la información</translation>
    </message>
    <message>
        <source>Administrators</source>
        <translation>Administradores</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
