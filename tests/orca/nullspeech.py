"""A speech server for Orca that speaks nowhere. Orca writes every utterance
to its debug log ("SPEECH OUTPUT: '...'") before it hands it to a server, so
the test reads what a player would hear there, on a machine without sound."""
from orca import debug, speechserver


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return "null"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._active is None:
            SpeechServer._active = SpeechServer()
        return SpeechServer._active

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["null", "null"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        pass

    def speakCharacter(self, character, acss=None):
        pass

    def speakKeyEvent(self, event, acss=None):
        pass

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            debug.println(debug.LEVEL_INFO, "SPEECH OUTPUT: '" + context.utterance + "'", True)
