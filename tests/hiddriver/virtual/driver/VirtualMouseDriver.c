/* The virtual mouse's HID minidriver (tests only). Wine loads it like any
 * driver for a root-enumerated device; hidclass.sys then presents the device
 * to programs as a HID collection. The driver knows nothing of the mouse: it
 * forwards every request to the bridge program (see VirtualMouseWire.h) and
 * completes hidclass's pending read with the input reports the bridge sends
 * to its control device. */
#include <ddk/wdm.h>

#include "tests/hiddriver/virtual/VirtualMouseWire.h"
#include "tests/hiddriver/virtual/driver/HidMinidriver.h"

#define VMOUSE_VENDOR_ID 0x1017
#define VMOUSE_PRODUCT_ID 0x8003
#define QUEUED_INPUTS 16
#define kPoolTag 0x4d766d73u /* "smvM" */

struct virtual_device {
    LIST_ENTRY entry;
    DEVICE_OBJECT* fdo;
    DEVICE_OBJECT* next;
    char key[VMOUSE_KEY_SIZE];
    BOOLEAN removed;
    IRP* pending_read;
    struct vmouse_input queued[QUEUED_INPUTS];
    unsigned queued_first, queued_count;
};

static KSPIN_LOCK devices_lock;
static LIST_ENTRY devices;
static DEVICE_OBJECT* control_device;
static PDRIVER_DISPATCH hidclass_create, hidclass_close, hidclass_ioctl;

static struct virtual_device* device_of(DEVICE_OBJECT* fdo) {
    HID_DEVICE_EXTENSION* ext = fdo->DeviceExtension;
    return ext->MiniDeviceExtension;
}

static NTSTATUS complete(IRP* irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static ULONG copy_input(IRP* irp, const struct vmouse_input* input) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    ULONG length = stack->Parameters.DeviceIoControl.OutputBufferLength;
    if (length > input->length)
        length = input->length;
    RtlCopyMemory(irp->UserBuffer, input->data, length);
    return length;
}

/* ---- the round trip to the bridge ---- */

static NTSTATUS ask_bridge(const struct vmouse_request* request, struct vmouse_reply* reply) {
    UNICODE_STRING name;
    OBJECT_ATTRIBUTES attributes;
    IO_STATUS_BLOCK io;
    HANDLE pipe;
    NTSTATUS status;

    RtlInitUnicodeString(&name, L"\\??\\pipe\\" VMOUSE_PIPE_NAME_W);
    InitializeObjectAttributes(&attributes, &name, OBJ_KERNEL_HANDLE | OBJ_CASE_INSENSITIVE, NULL,
                               NULL);
    status = ZwCreateFile(&pipe, GENERIC_READ | GENERIC_WRITE | SYNCHRONIZE, &attributes, &io, NULL,
                          0, 0, FILE_OPEN, FILE_SYNCHRONOUS_IO_NONALERT, NULL, 0);
    if (!NT_SUCCESS(status))
        return STATUS_DEVICE_NOT_CONNECTED; /* no bridge: as if the mouse were not there */
    status = ZwWriteFile(pipe, NULL, NULL, NULL, &io, (void*)request, sizeof(*request), NULL, NULL);
    if (NT_SUCCESS(status))
        status = ZwReadFile(pipe, NULL, NULL, NULL, &io, reply, sizeof(*reply), NULL, NULL);
    ZwClose(pipe);
    if (!NT_SUCCESS(status))
        return STATUS_DEVICE_NOT_CONNECTED;
    if (reply->length > sizeof(reply->data))
        return STATUS_UNSUCCESSFUL;
    return reply->status;
}

static NTSTATUS new_request(struct virtual_device* device, ULONG kind,
                            struct vmouse_request** out) {
    struct vmouse_request* request =
        ExAllocatePoolWithTag(NonPagedPool, sizeof(*request), kPoolTag);
    if (!request)
        return STATUS_NO_MEMORY;
    RtlZeroMemory(request, sizeof(*request));
    request->kind = kind;
    RtlCopyMemory(request->device, device->key, sizeof(request->device));
    *out = request;
    return STATUS_SUCCESS;
}

/* A feature or output transfer: the packet's bytes go to the bridge; a read
 * gets the bridge's answer back into the packet. */
static NTSTATUS transfer(struct virtual_device* device, IRP* irp, ULONG kind) {
    HID_XFER_PACKET* packet = irp->UserBuffer;
    struct vmouse_request* request;
    struct vmouse_reply* reply;
    ULONG length;
    NTSTATUS status;

    if (!packet || packet->reportBufferLen > VMOUSE_DATA_SIZE)
        return complete(irp, STATUS_INVALID_PARAMETER, 0);
    if ((status = new_request(device, kind, &request)))
        return complete(irp, status, 0);
    reply = ExAllocatePoolWithTag(NonPagedPool, sizeof(*reply), kPoolTag);
    if (!reply) {
        ExFreePoolWithTag(request, kPoolTag);
        return complete(irp, STATUS_NO_MEMORY, 0);
    }
    request->report_id = packet->reportId;
    request->length = packet->reportBufferLen;
    RtlCopyMemory(request->data, packet->reportBuffer, packet->reportBufferLen);
    status = ask_bridge(request, reply);
    length = packet->reportBufferLen;
    if (NT_SUCCESS(status) && kind == VMOUSE_GET_FEATURE) {
        if (length > reply->length)
            length = reply->length;
        RtlCopyMemory(packet->reportBuffer, reply->data, length);
    }
    ExFreePoolWithTag(reply, kPoolTag);
    ExFreePoolWithTag(request, kPoolTag);
    return complete(irp, status, NT_SUCCESS(status) ? length : 0);
}

static NTSTATUS report_descriptor(struct virtual_device* device, IRP* irp, BOOLEAN header_only) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    ULONG size = stack->Parameters.DeviceIoControl.OutputBufferLength;
    struct vmouse_request* request;
    struct vmouse_reply* reply;
    NTSTATUS status;

    if ((status = new_request(device, VMOUSE_DESCRIPTOR, &request)))
        return complete(irp, status, 0);
    reply = ExAllocatePoolWithTag(NonPagedPool, sizeof(*reply), kPoolTag);
    status = reply ? ask_bridge(request, reply) : STATUS_NO_MEMORY;
    ExFreePoolWithTag(request, kPoolTag);
    if (NT_SUCCESS(status) && header_only) {
        HID_DESCRIPTOR descriptor = {0};
        descriptor.bLength = sizeof(descriptor);
        descriptor.bDescriptorType = HID_HID_DESCRIPTOR_TYPE;
        descriptor.bcdHID = 0x0111;
        descriptor.bNumDescriptors = 1;
        descriptor.DescriptorList[0].bReportType = HID_REPORT_DESCRIPTOR_TYPE;
        descriptor.DescriptorList[0].wReportLength = (USHORT)reply->length;
        if (size < sizeof(descriptor))
            status = STATUS_BUFFER_TOO_SMALL;
        else
            RtlCopyMemory(irp->UserBuffer, &descriptor, sizeof(descriptor)),
                size = sizeof(descriptor);
    } else if (NT_SUCCESS(status)) {
        if (size < reply->length)
            status = STATUS_BUFFER_TOO_SMALL;
        else
            RtlCopyMemory(irp->UserBuffer, reply->data, reply->length), size = reply->length;
    }
    if (reply)
        ExFreePoolWithTag(reply, kPoolTag);
    return complete(irp, status, NT_SUCCESS(status) ? size : 0);
}

static NTSTATUS attributes(IRP* irp) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    HID_DEVICE_ATTRIBUTES* attr = irp->UserBuffer;
    if (stack->Parameters.DeviceIoControl.OutputBufferLength < sizeof(*attr))
        return complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
    RtlZeroMemory(attr, sizeof(*attr));
    attr->Size = sizeof(*attr);
    attr->VendorID = VMOUSE_VENDOR_ID;
    attr->ProductID = VMOUSE_PRODUCT_ID;
    attr->VersionNumber = 0x0100;
    return complete(irp, STATUS_SUCCESS, sizeof(*attr));
}

static NTSTATUS string(IRP* irp) {
    static const WCHAR text[] = L"Mervik virtual mouse";
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->Parameters.DeviceIoControl.OutputBufferLength < sizeof(text))
        return complete(irp, STATUS_BUFFER_TOO_SMALL, 0);
    RtlCopyMemory(irp->UserBuffer, text, sizeof(text));
    return complete(irp, STATUS_SUCCESS, sizeof(text));
}

/* hidclass keeps one read pending; a queued input completes it at once. */
static NTSTATUS read_report(struct virtual_device* device, IRP* irp) {
    KIRQL irql;
    KeAcquireSpinLock(&devices_lock, &irql);
    if (device->removed) {
        KeReleaseSpinLock(&devices_lock, irql);
        return complete(irp, STATUS_DELETE_PENDING, 0);
    }
    if (device->queued_count) {
        ULONG length = copy_input(irp, &device->queued[device->queued_first]);
        device->queued_first = (device->queued_first + 1) % QUEUED_INPUTS;
        device->queued_count--;
        KeReleaseSpinLock(&devices_lock, irql);
        return complete(irp, STATUS_SUCCESS, length);
    }
    if (device->pending_read) {
        KeReleaseSpinLock(&devices_lock, irql);
        return complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
    IoMarkIrpPending(irp);
    device->pending_read = irp;
    KeReleaseSpinLock(&devices_lock, irql);
    return STATUS_PENDING;
}

static NTSTATUS WINAPI internal_ioctl(DEVICE_OBJECT* fdo, IRP* irp) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    struct virtual_device* device = device_of(fdo);

    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case IOCTL_HID_GET_DEVICE_DESCRIPTOR:
        return report_descriptor(device, irp, TRUE);
    case IOCTL_HID_GET_REPORT_DESCRIPTOR:
        return report_descriptor(device, irp, FALSE);
    case IOCTL_HID_GET_DEVICE_ATTRIBUTES:
        return attributes(irp);
    case IOCTL_HID_GET_STRING:
        return string(irp);
    case IOCTL_HID_READ_REPORT:
        return read_report(device, irp);
    case IOCTL_HID_WRITE_REPORT:
    case IOCTL_HID_SET_OUTPUT_REPORT:
        return transfer(device, irp, VMOUSE_WRITE);
    case IOCTL_HID_SET_FEATURE:
        return transfer(device, irp, VMOUSE_SET_FEATURE);
    case IOCTL_HID_GET_FEATURE:
        return transfer(device, irp, VMOUSE_GET_FEATURE);
    case IOCTL_HID_ACTIVATE_DEVICE:
    case IOCTL_HID_DEACTIVATE_DEVICE:
        return complete(irp, STATUS_SUCCESS, 0);
    default:
        return complete(irp, STATUS_NOT_SUPPORTED, 0);
    }
}

/* ---- the control device ---- */

static NTSTATUS send_input(IRP* irp) {
    IO_STACK_LOCATION* stack = IoGetCurrentIrpStackLocation(irp);
    const struct vmouse_input* input = irp->AssociatedIrp.SystemBuffer;
    NTSTATUS status = STATUS_NO_SUCH_DEVICE;
    IRP* read = NULL;
    ULONG read_length = 0;
    LIST_ENTRY* entry;
    KIRQL irql;

    if (stack->Parameters.DeviceIoControl.InputBufferLength < sizeof(*input) ||
        input->length > VMOUSE_DATA_SIZE)
        return complete(irp, STATUS_INVALID_PARAMETER, 0);
    KeAcquireSpinLock(&devices_lock, &irql);
    for (entry = devices.Flink; entry != &devices; entry = entry->Flink) {
        struct virtual_device* device = CONTAINING_RECORD(entry, struct virtual_device, entry);
        if (device->removed || strncmp(device->key, input->device, VMOUSE_KEY_SIZE))
            continue;
        status = STATUS_SUCCESS;
        if ((read = device->pending_read)) {
            device->pending_read = NULL;
            read_length = copy_input(read, input);
        } else if (device->queued_count < QUEUED_INPUTS) {
            unsigned at = (device->queued_first + device->queued_count++) % QUEUED_INPUTS;
            device->queued[at] = *input;
        } else {
            status = STATUS_DEVICE_BUSY;
        }
        break;
    }
    KeReleaseSpinLock(&devices_lock, irql);
    if (read)
        complete(read, STATUS_SUCCESS, read_length);
    return complete(irp, status, 0);
}

/* hidclass owns the dispatch table; the control device's own requests are
 * taken here before they reach it. */
static NTSTATUS WINAPI dispatch_create(DEVICE_OBJECT* device, IRP* irp) {
    if (device == control_device)
        return complete(irp, STATUS_SUCCESS, 0);
    return hidclass_create(device, irp);
}

static NTSTATUS WINAPI dispatch_close(DEVICE_OBJECT* device, IRP* irp) {
    if (device == control_device)
        return complete(irp, STATUS_SUCCESS, 0);
    return hidclass_close(device, irp);
}

static NTSTATUS WINAPI dispatch_ioctl(DEVICE_OBJECT* device, IRP* irp) {
    if (device != control_device)
        return hidclass_ioctl(device, irp);
    if (IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl.IoControlCode ==
        IOCTL_VMOUSE_INPUT)
        return send_input(irp);
    return complete(irp, STATUS_NOT_SUPPORTED, 0);
}

/* ---- plug and play ---- */

static void mark_removed(struct virtual_device* device) {
    IRP* read;
    KIRQL irql;
    KeAcquireSpinLock(&devices_lock, &irql);
    device->removed = TRUE;
    read = device->pending_read;
    device->pending_read = NULL;
    device->queued_count = 0;
    KeReleaseSpinLock(&devices_lock, irql);
    /* hidclass waits for its read before it lets the device go */
    if (read)
        complete(read, STATUS_DELETE_PENDING, 0);
}

static NTSTATUS WINAPI pnp(DEVICE_OBJECT* fdo, IRP* irp) {
    struct virtual_device* device = device_of(fdo);
    UCHAR minor = IoGetCurrentIrpStackLocation(irp)->MinorFunction;
    KIRQL irql;

    if (minor == IRP_MN_SURPRISE_REMOVAL || minor == IRP_MN_REMOVE_DEVICE)
        mark_removed(device);
    if (minor == IRP_MN_REMOVE_DEVICE) {
        KeAcquireSpinLock(&devices_lock, &irql);
        RemoveEntryList(&device->entry);
        KeReleaseSpinLock(&devices_lock, irql);
    }
    irp->IoStatus.Status = STATUS_SUCCESS;
    IoSkipCurrentIrpStackLocation(irp);
    return IoCallDriver(device->next, irp);
}

/* The device's first hardware id names the collection it presents. */
static void read_key(DEVICE_OBJECT* pdo, char* key) {
    WCHAR ids[128];
    ULONG size = 0, i;
    RtlZeroMemory(ids, sizeof(ids));
    IoGetDeviceProperty(pdo, DevicePropertyHardwareID, sizeof(ids) - sizeof(WCHAR), ids, &size);
    for (i = 0; i + 1 < VMOUSE_KEY_SIZE && ids[i]; ++i)
        key[i] = (char)ids[i];
    key[i] = 0;
}

static NTSTATUS WINAPI add_device(DRIVER_OBJECT* driver, DEVICE_OBJECT* fdo) {
    HID_DEVICE_EXTENSION* ext = fdo->DeviceExtension;
    struct virtual_device* device = ext->MiniDeviceExtension;
    KIRQL irql;
    (void)driver;

    RtlZeroMemory(device, sizeof(*device));
    device->fdo = fdo;
    device->next = ext->NextDeviceObject;
    read_key(ext->PhysicalDeviceObject, device->key);
    KeAcquireSpinLock(&devices_lock, &irql);
    InsertTailList(&devices, &device->entry);
    KeReleaseSpinLock(&devices_lock, irql);
    fdo->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}

static void WINAPI unload(DRIVER_OBJECT* driver) {
    UNICODE_STRING link;
    (void)driver;
    RtlInitUnicodeString(&link, L"\\??\\" VMOUSE_CONTROL_NAME_W);
    IoDeleteSymbolicLink(&link);
    if (control_device)
        IoDeleteDevice(control_device);
}

static NTSTATUS create_control_device(DRIVER_OBJECT* driver) {
    UNICODE_STRING name, link;
    NTSTATUS status;
    RtlInitUnicodeString(&name, L"\\Device\\" VMOUSE_CONTROL_NAME_W);
    RtlInitUnicodeString(&link, L"\\??\\" VMOUSE_CONTROL_NAME_W);
    status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &control_device);
    if (!NT_SUCCESS(status))
        return status;
    status = IoCreateSymbolicLink(&link, &name);
    control_device->Flags &= ~DO_DEVICE_INITIALIZING;
    return status;
}

NTSTATUS WINAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING* registry) {
    HID_MINIDRIVER_REGISTRATION registration;
    NTSTATUS status;

    KeInitializeSpinLock(&devices_lock);
    InitializeListHead(&devices);

    driver->DriverExtension->AddDevice = add_device;
    driver->DriverUnload = unload;
    driver->MajorFunction[IRP_MJ_PNP] = pnp;
    driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = internal_ioctl;

    RtlZeroMemory(&registration, sizeof(registration));
    registration.Revision = HID_REVISION;
    registration.DriverObject = driver;
    registration.RegistryPath = registry;
    registration.DeviceExtensionSize = sizeof(struct virtual_device);
    registration.DevicesArePolled = FALSE;
    if ((status = HidRegisterMinidriver(&registration)))
        return status;

    hidclass_create = driver->MajorFunction[IRP_MJ_CREATE];
    hidclass_close = driver->MajorFunction[IRP_MJ_CLOSE];
    hidclass_ioctl = driver->MajorFunction[IRP_MJ_DEVICE_CONTROL];
    driver->MajorFunction[IRP_MJ_CREATE] = dispatch_create;
    driver->MajorFunction[IRP_MJ_CLOSE] = dispatch_close;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = dispatch_ioctl;
    return create_control_device(driver);
}
