<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>&amp;Opciones de la radio</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Opciones de la radio</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Qué es cada opción de la radio. Los textos entre comillas son los del propio diálogo; la radio guarda cada elección como un código.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Enviados…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>&amp;Importar canales (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>&amp;Exportar canales (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Propie&amp;dades…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Exportar &amp;ficha de canales…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Im&amp;primir ficha de canales…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Puerto</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Otro dispositivo…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>&amp;Buscar mi cable…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canales</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>&amp;Llenar el grupo con</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>&amp;Vaciar el grupo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Co&amp;mparar con…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Comparar con el ú&amp;ltimo envío</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy Group</source>
        <translation>&amp;Copiar grupo</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>&amp;Pegar grupo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Todos los canales</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Mensajes</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Copiar todo</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Fusionar en las posiciones del archivo</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>Reemplazar &amp;todos los canales</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Ajustes de Velmar (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Listas de canales (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Abrir ajuste</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Guardar ajuste como</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar canales</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Abrir un ajuste enviado</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Exportar ficha de canales</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>El título, las notas y los nombres de los canales viajan con el archivo de ajuste y aparecen en la ficha de canales; la radio no los guarda.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Ficha de canales</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Ningún canal tiene frecuencia.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>En este modo la radio usa sus propios canales: los grupos de abajo no se usan hasta que se elija «GRUOP».</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Desconecte para cambiar de puerto: el puerto en uso se mantiene hasta entonces.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Otro dispositivo</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>El dispositivo que representa COM1 (un dispositivo serie, un pseudoterminal o un enlace a uno):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Buscar mi cable</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>integrado</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>abierto, la línea se ha colgado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Progreso del envío</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envío</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibidos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indicación</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Cerrando tras el envío…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD y PMR + LPD usan los canales propios de la radio: elija «GRUOP» para programar los grupos.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>Los canales se programan en el modo «GRUOP».</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Igual que</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Com&amp;probar ajuste</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Comprobar ajuste</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Nada que advertir: cada canal es un canal PMR446 o LPD433 en un grupo de su separación, y ningún grupo tiene una frecuencia dos veces.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Nada que comprobar: en este modo la radio usa sus propios canales, no los grupos.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Aún no se ha guardado ningún envío que la radio pudiera haber recibido: el historial de ajustes enviados está vacío.</translation>
    </message>
    <message>
        <source>Which channels the radio uses. &quot;PMR&quot;, &quot;LPD&quot; and &quot;PMR + LPD&quot; use the radio&apos;s own PMR446 channels, LPD433 channels or both; &quot;GRUOP&quot; (group) uses the eight groups of eight channels programmed here, and only it opens the channel edits.</source>
        <translation>Qué canales usa la radio. «PMR», «LPD» y «PMR + LPD» usan los canales PMR446, los canales LPD433 o ambos propios de la radio; «GRUOP» (grupo) usa los ocho grupos de ocho canales programados aquí, y solo este modo abre los campos de canal.</translation>
    </message>
    <message>
        <source>The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every group is sent, not only the one shown.</source>
        <translation>El grupo que se muestra en CH1 a CH8. La radio tiene ocho grupos, de la A a la H, de ocho canales cada uno; se envían todos los grupos, no solo el que se muestra.</translation>
    </message>
    <message>
        <source>The channel spacing of the group shown, each group its own: &quot;12.5Khz&quot; (narrow, as PMR446 channels are) or &quot;25Khz&quot; (wide, as LPD433 channels are spaced).</source>
        <translation>La separación de canales del grupo mostrado, propia de cada grupo: «12.5Khz» (estrecha, como los canales PMR446) o «25Khz» (ancha, como la separación de los canales LPD433).</translation>
    </message>
    <message>
        <source>Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. &quot;OFF&quot;, or 1 to 60 seconds.</source>
        <translation>Retardo de exploración: en el término habitual de radio, cuánto tiempo se queda una exploración en un canal ocupado antes de seguir. «OFF», o de 1 a 60 segundos.</translation>
    </message>
    <message>
        <source>A time for the PTT (push-to-talk) key: &quot;OFF&quot;, or 5 to 60 seconds. What the radio times with it is not documented.</source>
        <translation>Un tiempo para la tecla de transmisión (PTT): «OFF», o de 5 a 60 segundos. Lo que la radio temporiza con él no está documentado.</translation>
    </message>
    <message>
        <source>Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; or &quot;DT On&quot;; what each of the last three judges a channel busy by is not documented.</source>
        <translation>Bloqueo de canal ocupado (BCLO), en el término habitual de radio: la radio no transmite en un canal en uso. «OFF», «CA On», «CT On» o «DT On»; en qué se basa cada uno de los tres últimos para considerar ocupado un canal no está documentado.</translation>
    </message>
    <message>
        <source>Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. &quot;OFF&quot;, or 15 to 240 seconds.</source>
        <translation>Temporizador de transmisión (TOT): el tiempo máximo que la radio transmite por una pulsación de la tecla PTT. «OFF», o de 15 a 240 segundos.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. 0 to 200 milliseconds.</source>
        <translation>VOX (transmisión activada por voz): cuánto tiempo debe oírse una voz antes de que la radio empiece a transmitir. De 0 a 200 milisegundos.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to 2.0 seconds.</source>
        <translation>VOX (transmisión activada por voz): cuánto tiempo sigue transmitiendo la radio después de que la voz se detiene. De 0,5 a 2,0 segundos.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.</source>
        <translation>Cuánto tiempo hay que mantener una tecla para que cuente como pulsación larga: 0,5, 1,0 o 2,0 segundos.</translation>
    </message>
    <message>
        <source>Battery saving (power save): while the channel is quiet the radio listens only part of the time. The values are the ratios &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; and &quot;2.0 : 1.0&quot;; which side of a ratio is the sleep is not documented.</source>
        <translation>Ahorro de batería (power save): mientras el canal está en silencio, la radio solo escucha parte del tiempo. Los valores son las proporciones «0.0 : 0.0», «1.0 : 1.0», «1.5 : 1.0» y «2.0 : 1.0»; qué lado de una proporción es el reposo no está documentado.</translation>
    </message>
    <message>
        <source>CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. &quot;Disable&quot;, codes &quot;1 - 38&quot; or codes &quot;1 - 50&quot;.</source>
        <translation>CTCSS, los tonos subaudibles que las radios PMR446 llaman códigos de privacidad: el conjunto de tonos que ofrece la radio. «Disable», códigos «1 - 38» o códigos «1 - 50».</translation>
    </message>
    <message>
        <source>DCS (digital coded squelch): the set of codes the radio offers. &quot;Disable&quot;, codes &quot;1 - 83&quot; or codes &quot;1 - 104&quot;.</source>
        <translation>DCS (silenciador codificado digital): el conjunto de códigos que ofrece la radio. «Disable», códigos «1 - 83» o códigos «1 - 104».</translation>
    </message>
    <message>
        <source>&quot;On&quot; or &quot;Off&quot;. What the radio does with it is not documented.</source>
        <translation>«On» u «Off». Lo que la radio hace con ello no está documentado.</translation>
    </message>
    <message>
        <source>&quot;410Mhz&quot; to &quot;490Mhz&quot;, in steps of 10 MHz. What the radio does with this choice is not documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere from 400 to 500 MHz.</source>
        <translation>De «410Mhz» a «490Mhz», en pasos de 10 MHz. Lo que la radio hace con esta elección no está documentado, así que Velmar no juzga los canales por ella; los canales pueden estar en cualquier punto entre 400 y 500 MHz.</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2 (stalled: the radio may not have it)</source>
        <translation>registro del envío del %1, suma de control %2 (atascado: puede que la radio no lo tenga)</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2</source>
        <translation>registro del envío del %1, suma de control %2</translation>
    </message>
    <message numerus="yes">
        <source>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln seconds.</source>
        <comment>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln second.</comment>
        <translation>
            <numerusform>Desconecte ahora el cable de programación de la radio, o conéctelo; si estaba desconectado, vuelva a conectarlo. Velmar vigila los puertos serie durante %Ln segundo.</numerusform>
            <numerusform>Desconecte ahora el cable de programación de la radio, o conéctelo; si estaba desconectado, vuelva a conectarlo. Velmar vigila los puertos serie durante %Ln segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not present now)</source>
        <translation>%1 (no presente ahora)</translation>
    </message>
    <message>
        <source>%1 (a pseudo-terminal)</source>
        <translation>%1 (un pseudoterminal)</translation>
    </message>
    <message>
        <source>%1 (the simulated radio)</source>
        <translation>%1 (la radio simulada)</translation>
    </message>
    <message>
        <source>Found the cable: COM1 is now %1</source>
        <translation>Cable encontrado: COM1 es ahora %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.</source>
        <comment>Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1.</comment>
        <translation>
            <numerusform>No ha cambiado nada: ningún puerto serie apareció ni volvió en %Ln segundo. COM1 sigue siendo %1.</numerusform>
            <numerusform>No ha cambiado nada: ningún puerto serie apareció ni volvió en %Ln segundos. COM1 sigue siendo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. COM1 stays %2.</source>
        <comment>%1 went away and did not come back in %Ln second. Plug the cable in and try again. COM1 stays %2.</comment>
        <translation>
            <numerusform>%1 desapareció y no volvió en %Ln segundo. Conecte el cable y vuelva a intentarlo. COM1 sigue siendo %2.</numerusform>
            <numerusform>%1 desapareció y no volvió en %Ln segundos. Conecte el cable y vuelva a intentarlo. COM1 sigue siendo %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>No hay puertos serie presentes ahora.</translation>
    </message>
    <message>
        <source>Serial ports present now:</source>
        <translation>Puertos serie presentes ahora:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 s left</source>
        <translation>%1 de %2 bytes, quedan %3 s</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2</source>
        <translation>Enviados %1 bytes, suma de control %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2, but %3</source>
        <translation>Enviados %1 bytes, suma de control %2, pero %3</translation>
    </message>
    <message>
        <source>Sent %1 of %2 bytes: %3</source>
        <translation>Enviados %1 de %2 bytes: %3</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Recibidos: %1</translation>
    </message>
    <message>
        <source>Received %1: %2</source>
        <translation>Recibidos: %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 completed to %3</source>
        <translation>%1: %2 completado a %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside 400 to 500 MHz, cleared</source>
        <translation>%1: %2 está fuera de 400 a 500 MHz, borrado</translation>
    </message>
    <message>
        <source>%1: %2 moved down to %3 (6.25 kHz steps)</source>
        <translation>%1: %2 bajado a %3 (pasos de 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1: %2 is not a frequency (three digits, a point, five digits), cleared</source>
        <translation>%1: %2 no es una frecuencia (tres cifras, un punto, cinco cifras), borrado</translation>
    </message>
    <message>
        <source>%1 %2 shows &quot;%3&quot;, which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear it, then try again.</source>
        <translation>%1 %2 muestra «%3», que no es una frecuencia que se pueda enviar. Complétela (nueve caracteres, como 446.10000) o bórrela y vuelva a intentarlo.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %Ln characters.</source>
        <comment>Please enter no more than %Ln character.</comment>
        <translation>
            <numerusform>Introduzca como máximo %Ln carácter.</numerusform>
            <numerusform>Introduzca como máximo %Ln caracteres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %Ln channels. Replace them with %2?</source>
        <comment>%1 holds %Ln channel. Replace it with %2?</comment>
        <translation>
            <numerusform>%1 tiene %Ln canal. ¿Reemplazarlo por %2?</numerusform>
            <numerusform>%1 tiene %Ln canales. ¿Reemplazarlos por %2?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1 canal %2</translation>
    </message>
    <message>
        <source>%1 channels %2–%3</source>
        <translation>%1 canales %2–%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 are both %2</source>
        <translation>%1 son ambos %2</translation>
    </message>
    <message>
        <source>%1 are all %2</source>
        <translation>%1 son todos %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln things to look at before a Send; they do not stop it:</source>
        <comment>%Ln thing to look at before a Send; it does not stop it:</comment>
        <translation>
            <numerusform>%Ln cosa que revisar antes de un envío; no lo impide:</numerusform>
            <numerusform>%Ln cosas que revisar antes de un envío; no lo impiden:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 es un canal PMR446 (de 12,5 kHz de ancho) en un grupo de 25Khz: ponga %1 en 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are PMR446 channels, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 son canales PMR446 (de 12,5 kHz de ancho) en un grupo de 25Khz: ponga %1 en 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is an LPD433 channel, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 es un canal LPD433 (de 25 kHz de ancho) en un grupo de 12.5Khz: ponga %1 en 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are LPD433 channels, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 son canales LPD433 (de 25 kHz de ancho) en un grupo de 12.5Khz: ponga %1 en 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 está fuera de los canales de uso libre (PMR446: 446.00625 a 446.19375 MHz; LPD433: 433.07500 a 434.77500 MHz), a título informativo.</translation>
    </message>
    <message>
        <source>%1: %2 are outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 están fuera de los canales de uso libre (PMR446: 446.00625 a 446.19375 MHz; LPD433: 433.07500 a 434.77500 MHz), a título informativo.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Before a Send: %1</source>
        <translation>Antes de un envío: %1</translation>
    </message>
    <message>
        <source>Before a Send (1 of %1, all in Edit &gt; Check Setting): %2</source>
        <translation>Antes de un envío (1 de %1, todos en Editar &gt; Comprobar ajuste): %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Channel Spacing of %1</source>
        <translation>Separación de canales de %1</translation>
    </message>
    <message>
        <source>Name of %1 of %2</source>
        <translation>Nombre de %1 de %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Fill Group %1</source>
        <translation>Llenar el grupo %1</translation>
    </message>
    <message>
        <source>Clear Group %1</source>
        <translation>Vaciar el grupo %1</translation>
    </message>
    <message>
        <source>Paste Group %1</source>
        <translation>Pegar el grupo %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 is outside 400 to 500 MHz, not taken</source>
        <translation>%1 %2: %3 está fuera de 400 a 500 MHz, no aceptado</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a frequency, not taken</source>
        <translation>%1 %2: %3 no es una frecuencia, no aceptado</translation>
    </message>
    <message>
        <source>%1 %2: %3 moved down to %4 (6.25 kHz steps)</source>
        <translation>%1 %2: %3 bajado a %4 (pasos de 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1 %2: %3 completed to %4</source>
        <translation>%1 %2: %3 completado a %4</translation>
    </message>
    <message numerus="yes">
        <source>The title has more than %Ln characters: shorten it to keep it.</source>
        <comment>The title has more than %Ln character: shorten it to keep it.</comment>
        <translation>
            <numerusform>El título tiene más de %Ln carácter: acórtelo para conservarlo.</numerusform>
            <numerusform>El título tiene más de %Ln caracteres: acórtelo para conservarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The notes have more than %Ln characters: shorten them to keep them.</source>
        <comment>The notes have more than %Ln character: shorten them to keep them.</comment>
        <translation>
            <numerusform>Las notas tienen más de %Ln carácter: acórtelas para conservarlas.</numerusform>
            <numerusform>Las notas tienen más de %Ln caracteres: acórtelas para conservarlas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The title holds a control character: take it out to keep it.</source>
        <translation>El título contiene un carácter de control: quítelo para conservar el título.</translation>
    </message>
    <message>
        <source>The notes hold a control character: take it out to keep them.</source>
        <translation>Las notas contienen un carácter de control: quítelo para conservar las notas.</translation>
    </message>
    <message>
        <source>Made %1 with Velmar</source>
        <translation>Hecho el %1 con Velmar</translation>
    </message>
    <message>
        <source>Channel card written to %1</source>
        <translation>Ficha de canales escrita en %1</translation>
    </message>
    <message>
        <source>there is no font to write it in: install %1 (the fonts-dejavu-core package)</source>
        <translation>no hay ninguna fuente con la que escribirla: instale %1 (el paquete fonts-dejavu-core)</translation>
    </message>
    <message>
        <source>The channel card was not written: %1</source>
        <translation>La ficha de canales no se escribió: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: a name has up to %Ln characters, not taken</source>
        <comment>%1 %2: a name has up to %Ln character, not taken</comment>
        <translation>
            <numerusform>%1 %2: un nombre tiene como máximo %Ln carácter, no aceptado</numerusform>
            <numerusform>%1 %2: un nombre tiene como máximo %Ln caracteres, no aceptado</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: a name holds no control characters, not taken</source>
        <translation>%1 %2: un nombre no contiene caracteres de control, no aceptado</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM.</source>
        <translation>%1 cambia de %2 a %3: %4 de sus filas dicen FM, %5 dicen NFM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say FM.</source>
        <translation>%1 cambia de %2 a %3: sus filas dicen FM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say NFM.</source>
        <translation>%1 cambia de %2 a %3: sus filas dicen NFM.</translation>
    </message>
    <message>
        <source>identical: this is what the radio got at %1</source>
        <translation>idéntico: esto es lo que recibió la radio el %1</translation>
    </message>
    <message>
        <source>identical: the setting shown is %1</source>
        <translation>idéntico: el ajuste mostrado es %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln differences from %1 to the setting shown: see the details.</source>
        <comment>%Ln difference from %1 to the setting shown: see the details.</comment>
        <translation>
            <numerusform>%Ln diferencia de %1 al ajuste mostrado: vea los detalles.</numerusform>
            <numerusform>%Ln diferencias de %1 al ajuste mostrado: vea los detalles.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1 %2 name</source>
        <translation>%1 %2 nombre</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Abierto %1</translation>
    </message>
    <message>
        <source>Opened a copy of %1: Save asks for a new file</source>
        <translation>Abierta una copia de %1: Guardar pide un archivo nuevo</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado %1</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Canales exportados a %1</translation>
    </message>
    <message>
        <source>The setting has changes that are not saved. Save them?</source>
        <translation>El ajuste tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Velmar opened or saved it. Overwrite those changes with the setting shown, or save it as another file?</source>
        <translation>Otro programa ha cambiado %1 desde que Velmar lo abrió o guardó. ¿Sobrescribir esos cambios con el ajuste mostrado, o guardarlo como otro archivo?</translation>
    </message>
    <message>
        <source>%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?</source>
        <translation>%1 es una lista de canales (CSV), no un archivo de ajuste. ¿Importar sus canales al ajuste mostrado?</translation>
    </message>
    <message>
        <source>Not remembered: %1</source>
        <translation>No recordado: %1</translation>
    </message>
    <message>
        <source>No recent files: %1</source>
        <translation>No hay archivos recientes: %1</translation>
    </message>
    <message>
        <source>Not kept in the history of sent settings: %1</source>
        <translation>No guardado en el historial de ajustes enviados: %1</translation>
    </message>
    <message>
        <source>Unsaved changes not kept against a crash: %1</source>
        <translation>Cambios sin guardar no protegidos contra un cierre inesperado: %1</translation>
    </message>
    <message>
        <source>no channels</source>
        <translation>ningún canal</translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in 1 group</source>
        <comment>%Ln channel in 1 group</comment>
        <translation>
            <numerusform>%Ln canal en 1 grupo</numerusform>
            <numerusform>%Ln canales en 1 grupo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in %1 groups</source>
        <comment>%Ln channel in %1 groups</comment>
        <translation>
            <numerusform>%Ln canal en %1 grupos</numerusform>
            <numerusform>%Ln canales en %1 grupos</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to a setting (%2). Restore them?</source>
        <translation>Velmar terminó a las %1 sin guardar los cambios de un ajuste (%2). ¿Restaurarlos?</translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to %2 (%3). Restore them?</source>
        <translation>Velmar terminó a las %1 sin guardar los cambios de %2 (%3). ¿Restaurarlos?</translation>
    </message>
    <message>
        <source>(%1 of %2 windows) %3</source>
        <translation>(%1 de %2 ventanas) %3</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to a setting</source>
        <translation>Restaurados los cambios sin guardar de un ajuste</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to %1</source>
        <translation>Restaurados los cambios sin guardar de %1</translation>
    </message>
    <message>
        <source>%1: permission denied. Your user must be in the group that owns the device, &quot;%2&quot; (for example: sudo usermod -aG %2 $USER), and log in again.</source>
        <translation>%1: permiso denegado. Su usuario debe estar en el grupo propietario del dispositivo, «%2» (por ejemplo: sudo usermod -aG %2 $USER), y volver a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1: permission denied. Only root may open this device. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %2), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: permiso denegado. Solo root puede abrir este dispositivo. Pida al administrador una regla udev que lo asigne al grupo «dialout» (por ejemplo un archivo /etc/udev/rules.d/50-velmar.rules con la línea %2), únase a ese grupo (sudo usermod -aG dialout $USER) y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device belongs to the group &quot;%2&quot;, which gives its members much more than this device: do not join it. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %3), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: permiso denegado. El dispositivo pertenece al grupo «%2», que da a sus miembros mucho más que este dispositivo: no se una a él. Pida al administrador una regla udev que lo asigne al grupo «dialout» (por ejemplo un archivo /etc/udev/rules.d/50-velmar.rules con la línea %3), únase a ese grupo (sudo usermod -aG dialout $USER) y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>it is open in this program</source>
        <translation>está abierto en este programa</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>otro programa lo tiene</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>el puerto no está abierto</translation>
    </message>
    <message>
        <source>0 baud is not a speed</source>
        <translation>0 baudios no es una velocidad</translation>
    </message>
    <message>
        <source>%1 baud is not a speed this system can set</source>
        <translation>%1 baudios no es una velocidad que este sistema pueda ajustar</translation>
    </message>
    <message>
        <source>%1 data bits are not possible (5 to 8 are)</source>
        <translation>%1 bits de datos no son posibles (de 5 a 8 sí)</translation>
    </message>
    <message>
        <source>one and a half stop bits are not available on this system</source>
        <translation>uno y medio bits de parada no están disponibles en este sistema</translation>
    </message>
    <message>
        <source>stop-bits code %1 is unknown (0 = one, 2 = two)</source>
        <translation>el código de bits de parada %1 es desconocido (0 = uno, 2 = dos)</translation>
    </message>
    <message>
        <source>parity code %1 is unknown (0 to 4 are)</source>
        <translation>el código de paridad %1 es desconocido (se conocen de 0 a 4)</translation>
    </message>
    <message>
        <source>the driver did not keep %1 baud</source>
        <translation>el controlador no mantuvo %1 baudios</translation>
    </message>
    <message>
        <source>the driver did not keep %1 data bits</source>
        <translation>el controlador no mantuvo %1 bits de datos</translation>
    </message>
    <message>
        <source>the driver did not keep the stop bits</source>
        <translation>el controlador no mantuvo los bits de parada</translation>
    </message>
    <message>
        <source>the driver did not keep parity code %1</source>
        <translation>el controlador no mantuvo el código de paridad %1</translation>
    </message>
    <message>
        <source>the driver did not turn flow control off</source>
        <translation>el controlador no desactivó el control de flujo</translation>
    </message>
    <message>
        <source>the driver did not keep raw mode</source>
        <translation>el controlador no mantuvo el modo en bruto</translation>
    </message>
    <message>
        <source>no watch thread could be started</source>
        <translation>no se pudo iniciar ningún hilo de vigilancia</translation>
    </message>
    <message>
        <source>%1: no such device (%2).</source>
        <translation>%1: no existe el dispositivo (%2).</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 está ocupado: %2.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and connect again.</source>
        <translation>%1 está ocupado: otro programa lo tiene. Cierre ese programa y vuelva a conectar.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 no es un dispositivo serie.</translation>
    </message>
    <message>
        <source>%1: the line settings were refused: %2.</source>
        <translation>%1: se rechazaron los ajustes de línea: %2.</translation>
    </message>
    <message>
        <source>%1 could not be opened: the system is out of resources (%2).</source>
        <translation>No se pudo abrir %1: el sistema se ha quedado sin recursos (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>the whole frame was sent</source>
        <translation>se envió la trama completa</translation>
    </message>
    <message>
        <source>the line hung up (the cable or adapter was disconnected, or the other side closed)</source>
        <translation>la línea se colgó (se desconectó el cable o el adaptador, o el otro lado cerró)</translation>
    </message>
    <message>
        <source>a write did not get its bytes out in time (the line is held up or the device failed)</source>
        <translation>una escritura no sacó sus bytes a tiempo (la línea está bloqueada o el dispositivo falló)</translation>
    </message>
    <message>
        <source>the line stalled for %1 ms after byte %2, longer than the radio waits: it may not have taken the frame; send again</source>
        <translation>la línea se atascó %1 ms tras el byte %2, más de lo que espera la radio: puede que no haya recibido la trama; vuelva a enviar</translation>
    </message>
    <message>
        <source>stopped by Disconnect</source>
        <translation>detenido por Desconectar</translation>
    </message>
    <message>
        <source>stopped after the whole frame was sent</source>
        <translation>detenido después de enviar la trama completa</translation>
    </message>
    <message>
        <source>stopped before the frame was complete</source>
        <translation>detenido antes de completar la trama</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>línea de comandos</translation>
    </message>
    <message>
        <source>remembered</source>
        <translation>recordado</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegido</translation>
    </message>
    <message>
        <source>remembered port unreadable</source>
        <translation>puerto recordado ilegible</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>COM1 = no device (%1)</source>
        <translation>COM1 = ningún dispositivo (%1)</translation>
    </message>
    <message>
        <source>COM1 = %1 (%2)</source>
        <translation>COM1 = %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was still marked as held by a program that had ended; the mark was cleared.</source>
        <translation>%1 seguía marcado como retenido por un programa que ya terminó; se borró la marca.</translation>
    </message>
    <message>
        <source>COM1 stands for no device: the port chosen last cannot be read (%1). Give the port with --port DEV, or choose one in the Port menu of Velmar&apos;s window.</source>
        <translation>COM1 no representa ningún dispositivo: no se puede leer el último puerto elegido (%1). Indique el puerto con --port DEV o elija uno en el menú Puerto de la ventana de Velmar.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows say</source>
        <comment>%Ln row says</comment>
        <translation>
            <numerusform>%Ln fila dice</numerusform>
            <numerusform>%Ln filas dicen</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: no Location, not taken</source>
        <translation>línea %1: sin Location, no aceptada</translation>
    </message>
    <message>
        <source>line %1: Location &quot;%2&quot; is not a number, not taken</source>
        <translation>línea %1: la Location «%2» no es un número, no aceptada</translation>
    </message>
    <message>
        <source>line %1: Location %2 is beyond the 64 channels, not taken</source>
        <translation>línea %1: la Location %2 está más allá de los 64 canales, no aceptada</translation>
    </message>
    <message>
        <source>line %1: no frequency, not taken</source>
        <translation>línea %1: sin frecuencia, no aceptada</translation>
    </message>
    <message>
        <source>line %1: Frequency &quot;%2&quot; is not a number, not taken</source>
        <translation>línea %1: la Frequency «%2» no es un número, no aceptada</translation>
    </message>
    <message>
        <source>line %1: %2 MHz is outside 400 to 500 MHz, not taken</source>
        <translation>línea %1: %2 MHz está fuera de 400 a 500 MHz, no aceptada</translation>
    </message>
    <message>
        <source>line %1: Frequency %2 has a decimal comma that splits it in two, not taken: write it with a point, or in quotes</source>
        <translation>línea %1: la Frequency %2 tiene una coma decimal que la parte en dos, no aceptada: escríbala con punto o entre comillas</translation>
    </message>
    <message>
        <source>line %1: %2: %3 moved to %4 (6.25 kHz steps)</source>
        <translation>línea %1: %2: %3 movido a %4 (pasos de 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2 moved to %3 (6.25 kHz steps)</source>
        <translation>línea %1: %2 movido a %3 (pasos de 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2: given on line %3 too; this later row is taken</source>
        <translation>línea %1: %2: también indicado en la línea %3; se toma esta fila posterior</translation>
    </message>
    <message>
        <source>line %1: given on line %2 too; this later row is taken</source>
        <translation>línea %1: también indicado en la línea %2; se toma esta fila posterior</translation>
    </message>
    <message>
        <source>line %1: %2: %3 not kept: this radio has no such setting</source>
        <translation>línea %1: %2: %3 no conservado: esta radio no tiene ese ajuste</translation>
    </message>
    <message>
        <source>line %1: %2 not kept: this radio has no such setting</source>
        <translation>línea %1: %2 no conservado: esta radio no tiene ese ajuste</translation>
    </message>
    <message>
        <source>line %1: %2: %3 is the frequency of %4 too</source>
        <translation>línea %1: %2: %3 es también la frecuencia de %4</translation>
    </message>
    <message>
        <source>line %1: %2 is the frequency of %3 too</source>
        <translation>línea %1: %2 es también la frecuencia de %3</translation>
    </message>
    <message>
        <source>line %1: %2: the Name &quot;%3&quot; has more than %4 characters: &quot;%5&quot; kept</source>
        <translation>línea %1: %2: el nombre «%3» tiene más de %4 caracteres: se conserva «%5»</translation>
    </message>
    <message>
        <source>line %1: the Name &quot;%2&quot; has more than %3 characters: &quot;%4&quot; kept</source>
        <translation>línea %1: el nombre «%2» tiene más de %3 caracteres: se conserva «%4»</translation>
    </message>
    <message>
        <source>line %1: %2: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>línea %1: %2: el nombre contiene un carácter de control o no es texto UTF-8, no conservado</translation>
    </message>
    <message>
        <source>line %1: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>línea %1: el nombre contiene un carácter de control o no es texto UTF-8, no conservado</translation>
    </message>
    <message>
        <source>The Locations start at 0: taken in order, Location 0 as Group A CH1</source>
        <translation>Las Locations empiezan en 0: tomadas en orden, la Location 0 como Group A CH1</translation>
    </message>
    <message>
        <source>Group %1: %2 NFM (12.5 kHz), %3 FM (25 kHz): %4 taken</source>
        <translation>Group %1: %2 NFM (12,5 kHz), %3 FM (25 kHz): se toma %4</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>not a channel list: no header line with the columns Location and Frequency</source>
        <translation>no es una lista de canales: no hay línea de cabecera con las columnas Location y Frequency</translation>
    </message>
    <message>
        <source>not a channel list: its columns are separated by semicolons; save it with commas (CSV) and import it again</source>
        <translation>no es una lista de canales: sus columnas están separadas por punto y coma; guárdela con comas (CSV) e impórtela de nuevo</translation>
    </message>
    <message>
        <source>not a channel list: line %1 has more than 256 columns</source>
        <translation>no es una lista de canales: la línea %1 tiene más de 256 columnas</translation>
    </message>
    <message>
        <source>not a channel list: the quote opened on line %1 is never closed, so the rest of the file would be one field</source>
        <translation>no es una lista de canales: las comillas abiertas en la línea %1 nunca se cierran, así que el resto del archivo sería un solo campo</translation>
    </message>
    <message>
        <source>not a channel list for this radio: more than %1 rows (it has 64 channels)</source>
        <translation>no es una lista de canales para esta radio: más de %1 filas (tiene 64 canales)</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <translation>%1 «%2»</translation>
    </message>
    <message numerus="yes">
        <source>The rows of %1 name %Ln channels.</source>
        <comment>The rows of %1 name %Ln channel.</comment>
        <translation>
            <numerusform>Las filas de %1 nombran %Ln canal.</numerusform>
            <numerusform>Las filas de %1 nombran %Ln canales.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not taken.</source>
        <comment>%Ln row is not taken.</comment>
        <translation>
            <numerusform>%Ln fila no se acepta.</numerusform>
            <numerusform>%Ln filas no se aceptan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge into the file&apos;s Locations: %Ln channels change; the channels the rows do not name stay as they are.</source>
        <comment>Merge into the file&apos;s Locations: %Ln channel changes; the channels the rows do not name stay as they are.</comment>
        <translation>
            <numerusform>Fusionar en las posiciones del archivo: cambia %Ln canal; los canales que las filas no nombran quedan como están.</numerusform>
            <numerusform>Fusionar en las posiciones del archivo: cambian %Ln canales; los canales que las filas no nombran quedan como están.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace all channels: %Ln channels change; the channels the rows do not name are emptied.</source>
        <comment>Replace all channels: %Ln channel changes; the channels the rows do not name are emptied.</comment>
        <translation>
            <numerusform>Reemplazar todos los canales: cambia %Ln canal; los canales que las filas no nombran se vacían.</numerusform>
            <numerusform>Reemplazar todos los canales: cambian %Ln canales; los canales que las filas no nombran se vacían.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels the rows change:</source>
        <translation>Canales que cambian las filas:</translation>
    </message>
    <message>
        <source>Replace all channels also changes:</source>
        <translation>Reemplazar todos los canales cambia además:</translation>
    </message>
    <message>
        <source>Rows not taken, and what the entry made of others:</source>
        <translation>Filas no aceptadas, y lo que la entrada hizo con las demás:</translation>
    </message>
    <message numerus="yes">
        <source>Merged %1 into its Locations: %Ln channels changed.</source>
        <comment>Merged %1 into its Locations: %Ln channel changed.</comment>
        <translation>
            <numerusform>%1 fusionado en sus posiciones: %Ln canal cambiado.</numerusform>
            <numerusform>%1 fusionado en sus posiciones: %Ln canales cambiados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced all channels with %1: %Ln channels changed.</source>
        <comment>Replaced all channels with %1: %Ln channel changed.</comment>
        <translation>
            <numerusform>Todos los canales reemplazados por %1: %Ln canal cambiado.</numerusform>
            <numerusform>Todos los canales reemplazados por %1: %Ln canales cambiados.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 received bytes were dropped: the receive queue held %2 of %3 bytes.</source>
        <translation>Se descartaron %1 bytes recibidos: la cola de recepción tenía %2 de %3 bytes.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>%1 (a Velmar setting file)</source>
        <translation>%1 (un archivo de ajuste de Velmar)</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un número entero de 1 a %1</translation>
    </message>
    <message>
        <source>text of up to %1 characters, line breaks and tabs its only control characters</source>
        <translation>texto de hasta %1 caracteres, con saltos de línea y tabuladores como únicos caracteres de control</translation>
    </message>
    <message>
        <source>text of up to %1 characters without control characters</source>
        <translation>texto de hasta %1 caracteres sin caracteres de control</translation>
    </message>
    <message>
        <source>a list of exactly eight groups, &quot;A&quot; to &quot;H&quot; in order</source>
        <translation>una lista de exactamente ocho grupos, de &quot;A&quot; a &quot;H&quot; en orden</translation>
    </message>
    <message>
        <source>an object with &quot;group&quot;, &quot;spacing&quot; and &quot;channels&quot;</source>
        <translation>un objeto con &quot;group&quot;, &quot;spacing&quot; y &quot;channels&quot;</translation>
    </message>
    <message>
        <source>%1 (the groups run &quot;A&quot; to &quot;H&quot; in order)</source>
        <translation>%1 (los grupos van de &quot;A&quot; a &quot;H&quot; en orden)</translation>
    </message>
    <message>
        <source>a list of exactly eight channels, CH1 to CH8</source>
        <translation>una lista de exactamente ocho canales, de CH1 a CH8</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none</source>
        <translation>una frecuencia de nueve caracteres de 400.00000 a 500.00000 MHz en la rejilla de 6,25 kHz, como 446.00625, o &quot;&quot; para ninguna</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none (the grid point below is %1)</source>
        <translation>una frecuencia de nueve caracteres de 400.00000 a 500.00000 MHz en la rejilla de 6,25 kHz, como 446.00625, o &quot;&quot; para ninguna (el punto de la rejilla inferior es %1)</translation>
    </message>
    <message>
        <source>a list of exactly eight names, CH1 to CH8, &quot;&quot; for none</source>
        <translation>una lista de exactamente ocho nombres, de CH1 a CH8, &quot;&quot; para ninguno</translation>
    </message>
    <message>
        <source>an object with the 13 options, &quot;Scan Delay Time&quot; to &quot;Band Select&quot;</source>
        <translation>un objeto con las 13 opciones, de &quot;Scan Delay Time&quot; a &quot;Band Select&quot;</translation>
    </message>
    <message>
        <source>a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>un objeto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>el archivo entero</translation>
    </message>
    <message>
        <source>%1: missing, must be %2</source>
        <translation>%1: falta, debe ser %2</translation>
    </message>
    <message>
        <source>%1: is %2, must be %3</source>
        <translation>%1: es %2, debe ser %3</translation>
    </message>
    <message>
        <source>%1: has %2 groups, must be %3</source>
        <translation>%1: tiene %2 grupos, debe ser %3</translation>
    </message>
    <message>
        <source>%1: has %2 channels, must be %3</source>
        <translation>%1: tiene %2 canales, debe ser %3</translation>
    </message>
    <message>
        <source>%1: has %2 characters, must be %3</source>
        <translation>%1: tiene %2 caracteres, debe ser %3</translation>
    </message>
    <message>
        <source>%1: holds a control character, must be %2</source>
        <translation>%1: contiene un carácter de control, debe ser %2</translation>
    </message>
    <message>
        <source>%1: is %2: made by a newer Velmar; this one reads versions up to %3</source>
        <translation>%1: es %2: hecho por un Velmar más reciente; este lee versiones hasta la %3</translation>
    </message>
    <message>
        <source>not JSON: nested deeper than %1 levels at byte %2; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>no es JSON: anidado a más de %1 niveles en el byte %2; un archivo de ajuste es un objeto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: a NUL character at byte %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>no es JSON: un carácter NUL en el byte %1; un archivo de ajuste es un objeto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>no es JSON: %1; un archivo de ajuste es un objeto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>%1: has the key %2 twice; each key may appear once</source>
        <translation>%1: tiene la clave %2 dos veces; cada clave puede aparecer una vez</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>mayor que %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1: %2</source>
        <translation>no se puede crear un archivo temporal en %1: %2</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; is not one device</source>
        <translation>el valor de &quot;%1&quot; no es un único dispositivo</translation>
    </message>
    <message>
        <source>it is %1, the setting file it is made from</source>
        <translation>es %1, el archivo de ajuste del que se hace</translation>
    </message>
    <message>
        <source>cannot keep the sent setting in %1: %2</source>
        <translation>no se puede guardar el ajuste enviado en %1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>The channel card cannot be printed: %1</source>
        <translation>La ficha de canales no se puede imprimir: %1</translation>
    </message>
    <message>
        <source>The serial ports present cannot be listed: %1</source>
        <translation>No se pueden listar los puertos serie presentes: %1</translation>
    </message>
    <message>
        <source>%1 needs the PDF file to write</source>
        <translation>%1 necesita el archivo PDF que escribir</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 necesita un dispositivo</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>no setting file given</source>
        <translation>no se ha dado ningún archivo de ajuste</translation>
    </message>
    <message>
        <source>one setting file only, not %1</source>
        <translation>un solo archivo de ajuste, no %1</translation>
    </message>
    <message>
        <source>--card needs a FILE.velmar to make the card of</source>
        <translation>--card necesita un ARCHIVO.velmar del que hacer la ficha</translation>
    </message>
    <message>
        <source>Usage: velmar [OPTION]... [FILE.velmar]
Program the channels and options of a UHF PMR/LPD hand-held radio.

Velmar shows one settings dialog: eight channel groups of eight frequencies
(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the
radio&apos;s options. Connect opens the radio&apos;s programming cable, COM1, at 4800
baud, 8 data bits, no parity and two stop bits; Send writes the whole setting
to the radio as one 258-byte programming frame in 141 paced writes. Settings
are kept in setting files (FILE.velmar), and every complete Send is kept in the
history of sent settings.

Options:
  FILE.velmar          open this setting file at start
      --port DEV       use the serial device DEV as COM1 for this run (a USB
                       cable such as /dev/ttyUSB0, or a pseudo-terminal)
      --card OUT.pdf   write the channel card of FILE.velmar to OUT.pdf and
                       exit, without a window: 0 when written, 2 when the
                       file is refused, 1 when the card cannot be written
  -h, --help           display this help and exit
      --version        output version information and exit

COM1 is the first of: --port DEV, the environment&apos;s VELMAR_COM1, the port
chosen last time in the window&apos;s Port menu, /dev/ttyS0. The status line says
which one is in force and why.

Environment:
  VELMAR_COM1      the serial device that COM1 stands for, for example
                   /dev/ttyUSB0 for a USB programming cable

Files:
  ~/.config/velmar/%1    what the window remembers: the port chosen,
                                 the recent files ($XDG_CONFIG_HOME/velmar
                                 when that is set)
  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends
                                 ($XDG_DATA_HOME/velmar/sent when that is set)

Examples:
  velmar club.velmar                    open a setting and send it from the window
  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1
</source>
        <translation>Uso: velmar [OPCIÓN]... [ARCHIVO.velmar]
Programa los canales y las opciones de una radio portátil UHF PMR/LPD.

Velmar muestra un diálogo de ajustes: ocho grupos de ocho frecuencias
(de 400 a 500 MHz en pasos de 6,25 kHz), una separación de canales por grupo y
las opciones de la radio. «Connect» abre el cable de programación de la radio,
COM1, a 4800 baudios, 8 bits de datos, sin paridad y con dos bits de parada;
«Send» escribe el ajuste entero en la radio como una trama de programación de
258 bytes en 141 escrituras pausadas. Los ajustes se guardan en archivos de
ajuste (ARCHIVO.velmar), y cada envío completo se guarda en el historial de
ajustes enviados.

Opciones:
  ARCHIVO.velmar       abrir este archivo de ajuste al iniciar
      --port DEV       usar el dispositivo serie DEV como COM1 en esta
                       ejecución (un cable USB como /dev/ttyUSB0, o un
                       pseudoterminal)
      --card OUT.pdf   escribir la ficha de canales de ARCHIVO.velmar en
                       OUT.pdf y salir, sin ventana: 0 si se escribe, 2 si
                       se rechaza el archivo, 1 si no se puede escribir la
                       ficha
  -h, --help           mostrar esta ayuda y salir
      --version        mostrar la versión y salir

COM1 es el primero de: --port DEV, VELMAR_COM1 del entorno, el puerto elegido
la última vez en el menú Puerto de la ventana, /dev/ttyS0. La línea de estado
dice cuál está en vigor y por qué.

Entorno:
  VELMAR_COM1      el dispositivo serie que representa COM1, por ejemplo
                   /dev/ttyUSB0 para un cable de programación USB

Archivos:
  ~/.config/velmar/%1    lo que la ventana recuerda: el puerto elegido,
                                 los archivos recientes
                                 ($XDG_CONFIG_HOME/velmar si está definido)
  ~/.local/share/velmar/sent/    los ajustes de los últimos 500 envíos
                                 completos
                                 ($XDG_DATA_HOME/velmar/sent si está definido)

Ejemplos:
  velmar club.velmar                    abrir un ajuste y enviarlo desde la
                                        ventana
  velmar --port /dev/ttyUSB0            usar un cable de programación USB como
                                        COM1
</translation>
    </message>
</context>
</TS>
