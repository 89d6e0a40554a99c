// SPDX-License-Identifier: MIT
/* A minimal X session manager (XSMP) for the logout test. It prints the
 * SESSION_MANAGER address on its first line and registers the one client that
 * connects. Commands on its input, one a line: "logout" asks the client to
 * save for the end of the session (SaveYourself, global and local, shutdown);
 * "die" tells it to end. Events are printed one a line: "registered",
 * "save-yourself-done", "closed". */
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static SmsConn client;
static IceConn clientIce;

static void say(const char *event)
{
    printf("%s\n", event);
    fflush(stdout);
}

/* A client that goes away is an event here, not a reason to exit. */
static void ignoreIoError(IceConn conn)
{
    (void)conn;
}

static Bool anyHost(char *hostname)
{
    (void)hostname;
    return True;
}

static Status registerClient(SmsConn conn, SmPointer data, char *previousId)
{
    (void)data;
    char *id = previousId ? previousId : SmsGenerateClientID(conn);
    SmsRegisterClientReply(conn, id);
    free(id);
    say("registered");
    return 1;
}

static void interactRequest(SmsConn conn, SmPointer data, int dialogType)
{
    (void)data;
    (void)dialogType;
    SmsInteract(conn);
}

static void interactDone(SmsConn conn, SmPointer data, Bool cancel)
{
    (void)conn;
    (void)data;
    (void)cancel;
}

static void saveRequest(SmsConn conn, SmPointer data, int type, Bool shutdown, int style, Bool fast, Bool global)
{
    (void)conn; (void)data; (void)type; (void)shutdown; (void)style; (void)fast; (void)global;
}

static void phase2Request(SmsConn conn, SmPointer data)
{
    (void)data;
    SmsSaveYourselfPhase2(conn);
}

static void saveDone(SmsConn conn, SmPointer data, Bool success)
{
    (void)conn;
    (void)data;
    say(success ? "save-yourself-done" : "save-yourself-failed");
}

static void closeConnection(SmsConn conn, SmPointer data, int count, char **reasons)
{
    (void)data;
    SmFreeReasons(count, reasons);
    SmsCleanUp(conn);
    if (conn == client) client = NULL;
    say("closed");
}

static void setProperties(SmsConn conn, SmPointer data, int count, SmProp **props)
{
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i) SmFreeProperty(props[i]);
    free(props);
}

static void deleteProperties(SmsConn conn, SmPointer data, int count, char **names)
{
    (void)conn;
    (void)data;
    for (int i = 0; i < count; ++i) free(names[i]);
    free(names);
}

static void getProperties(SmsConn conn, SmPointer data)
{
    (void)data;
    SmsReturnProperties(conn, 0, NULL);
}

static Status newClient(SmsConn conn, SmPointer data, unsigned long *mask, SmsCallbacks *cb, char **failure)
{
    (void)data;
    (void)failure;
    client = conn;
    memset(cb, 0, sizeof *cb);
    cb->register_client.callback = registerClient;
    cb->interact_request.callback = interactRequest;
    cb->interact_done.callback = interactDone;
    cb->save_yourself_request.callback = saveRequest;
    cb->save_yourself_phase2_request.callback = phase2Request;
    cb->save_yourself_done.callback = saveDone;
    cb->close_connection.callback = closeConnection;
    cb->set_properties.callback = setProperties;
    cb->delete_properties.callback = deleteProperties;
    cb->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    return 1;
}

int main(void)
{
    char error[256];
    IceSetIOErrorHandler(ignoreIoError);
    if (!SmsInitialize("trellum-test", "1", newClient, NULL, anyHost, sizeof error, error)) {
        fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj *listeners = NULL;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i) IceSetHostBasedAuthProc(listeners[i], anyHost);
    char *address = IceComposeNetworkIdList(count, listeners);
    say(address);
    free(address);

    for (;;) {
        struct pollfd fds[66];
        int n = 0;
        fds[n].fd = STDIN_FILENO;
        fds[n++].events = POLLIN;
        for (int i = 0; i < count && n < 65; ++i) {
            fds[n].fd = IceGetListenConnectionNumber(listeners[i]);
            fds[n++].events = POLLIN;
        }
        int clientIndex = -1;
        if (clientIce) {
            clientIndex = n;
            fds[n].fd = IceConnectionNumber(clientIce);
            fds[n++].events = POLLIN;
        }
        if (poll(fds, (nfds_t)n, -1) < 0) continue;
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            char line[64];
            if (!fgets(line, sizeof line, stdin)) return 0;
            if (strncmp(line, "logout", 6) == 0 && client)
                SmsSaveYourself(client, SmSaveBoth, True, SmInteractStyleAny, False);
            if (strncmp(line, "die", 3) == 0 && client) SmsDie(client);
        }
        for (int i = 0; i < count; ++i) {
            if (!(fds[1 + i].revents & POLLIN)) continue;
            IceAcceptStatus accepted;
            IceConn conn = IceAcceptConnection(listeners[i], &accepted);
            if (!conn) continue;
            IceConnectStatus status;
            while ((status = IceConnectionStatus(conn)) == IceConnectPending) IceProcessMessages(conn, NULL, NULL);
            if (status == IceConnectAccepted) clientIce = conn;
            else IceCloseConnection(conn);
        }
        if (clientIndex >= 0 && clientIce && (fds[clientIndex].revents & (POLLIN | POLLHUP))) {
            if (IceProcessMessages(clientIce, NULL, NULL) == IceProcessMessagesIOError) {
                IceSetShutdownNegotiation(clientIce, False);
                IceCloseConnection(clientIce);
                clientIce = NULL;
                say("closed");
            }
        }
    }
}
